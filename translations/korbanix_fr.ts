<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AppFolders</name>
    <message>
        <source>%1 was a symbolic link to another file, which is not used; the link was set aside as %2</source>
        <translation>%1 était un lien symbolique vers un autre fichier, qui n&apos;est pas utilisé ; le lien a été mis de côté sous le nom %2</translation>
    </message>
    <message>
        <source>The output folder is not remembered: </source>
        <translation>Le dossier de sortie n&apos;est pas mémorisé : </translation>
    </message>
    <message>
        <source> Please specify a different folder!</source>
        <translation> Veuillez indiquer un autre dossier !</translation>
    </message>
    <message>
        <source>No output folder is given.</source>
        <translation>Aucun dossier de sortie n&apos;est indiqué.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>« %1 » est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>the folder above it does not exist either</source>
        <translation>le dossier parent n&apos;existe pas non plus</translation>
    </message>
    <message>
        <source>it was refused</source>
        <translation>cela a été refusé</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist and cannot be created: %2.</source>
        <translation>Le dossier « %1 » n&apos;existe pas et ne peut pas être créé : %2.</translation>
    </message>
    <message>
        <source>%1 was no plain file, which is not used; it was set aside as %2</source>
        <translation>%1 n&apos;était pas un fichier ordinaire et n&apos;est pas utilisé ; il a été mis de côté sous le nom %2</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Découper</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Infos</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Media converter for your devices</source>
        <translation>Convertisseur multimédia pour vos appareils</translation>
    </message>
</context>
<context>
    <name>CAVConvertDlg</name>
    <message>
        <source>Current File Converting:</source>
        <translation>Fichier en cours :</translation>
    </message>
    <message>
        <source>Total Progress:</source>
        <translation>Progression totale :</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Conversion…</translation>
    </message>
    <message>
        <source>Current file progress</source>
        <translation>Progression du fichier en cours</translation>
    </message>
    <message>
        <source>Total progress</source>
        <translation>Progression totale</translation>
    </message>
    <message>
        <source>Show preview</source>
        <translation>Afficher l&apos;aperçu</translation>
    </message>
    <message>
        <source>Shut down computer when conversion completed</source>
        <translation>Éteindre l&apos;ordinateur à la fin de la conversion</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stop converting</source>
        <translation>Arrêter la conversion</translation>
    </message>
    <message>
        <source>%1   %2%</source>
        <translation>%1   %2 %</translation>
    </message>
    <message>
        <source>%1 progress</source>
        <translation>Progression de %1</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Arrêt…</translation>
    </message>
    <message>
        <source>Stop the conversion?</source>
        <translation>Arrêter la conversion ?</translation>
    </message>
    <message>
        <source>Files converted at once</source>
        <translation>Fichiers convertis simultanément</translation>
    </message>
</context>
<context>
    <name>CAbout</name>
    <message>
        <source>Support:</source>
        <translation>Assistance :</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Site web :</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CClipDialog</name>
    <message>
        <source>Set Begin Time</source>
        <translation>Définir le début</translation>
    </message>
    <message>
        <source>Set End Time</source>
        <translation>Définir la fin</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Reset Time</source>
        <translation>Réinitialiser les temps</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Cut time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>&amp;Set Begin Time</source>
        <translation>&amp;Début</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Découper</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Lecture</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>Position and length</source>
        <translation>Position et durée</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Clip - %1</source>
        <translation>Découper – %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Set &amp;End Time</source>
        <translation>&amp;Fin</translation>
    </message>
</context>
<context>
    <name>CFileInfomation</name>
    <message>
        <source>File Name:</source>
        <translation>Nom du fichier :</translation>
    </message>
    <message>
        <source>Media Length:</source>
        <translation>Durée :</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Résolution :</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Images/s :</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Débit :</translation>
    </message>
    <message>
        <source>Samples:</source>
        <translation>Échantillonnage :</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canaux :</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>mono</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>stéréo</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>1 Channel Mono</source>
        <translation>1 canal mono</translation>
    </message>
    <message>
        <source>2 Channel stereo</source>
        <translation>2 canaux stéréo</translation>
    </message>
    <message>
        <source>%1 Channel</source>
        <translation>%1 canaux</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Informations sur le fichier</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Son :</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Sous-titres :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Automatic: none</source>
        <translation>Automatique : aucun</translation>
    </message>
    <message>
        <source>Automatic: %1</source>
        <translation>Automatique : %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 canal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canaux</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>file %1</source>
        <translation>fichier %1</translation>
    </message>
    <message>
        <source>default</source>
        <translation>par défaut</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>forcée</translation>
    </message>
    <message>
        <source>?</source>
        <comment>a track of unknown language</comment>
        <translation>?</translation>
    </message>
</context>
<context>
    <name>CHyperLink</name>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Impossible d&apos;ouvrir le lien :

%1</translation>
    </message>
</context>
<context>
    <name>CSettings</name>
    <message>
        <source>Encoder:</source>
        <translation>Encodeur :</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Débit :</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Résolution :</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Images/s :</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Échantillonnage :</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canaux :</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Format Preset:</source>
        <translation>Préréglage :</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Default setting</source>
        <translation>Réglages par défaut</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>This %1 cannot be used: %2.</source>
        <translation>Ce réglage (%1) ne peut pas être utilisé : %2.</translation>
    </message>
    <message>
        <source>picture size</source>
        <translation>taille d&apos;image</translation>
    </message>
    <message>
        <source>frame rate</source>
        <translation>fréquence d&apos;images</translation>
    </message>
    <message>
        <source>video bit rate</source>
        <translation>débit vidéo</translation>
    </message>
    <message>
        <source>sample rate</source>
        <translation>fréquence d&apos;échantillonnage</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>nombre de canaux</translation>
    </message>
    <message>
        <source>audio bit rate</source>
        <translation>débit audio</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>réglage</translation>
    </message>
    <message>
        <source>转化失败!</source>
        <translation>Échec de la conversion !</translation>
    </message>
    <message>
        <source>1 Channel Mono</source>
        <translation>1 canal mono</translation>
    </message>
    <message>
        <source>2 Channel Stereo</source>
        <translation>2 canaux stéréo</translation>
    </message>
    <message>
        <source>5.1 Channel</source>
        <translation>5.1 canaux</translation>
    </message>
    <message>
        <source>Sources</source>
        <translation>Sources</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>The sound and subtitle tracks chosen first, where a file has several</source>
        <translation>Pistes son et sous-titres choisies en priorité lorsqu&apos;un fichier en contient plusieurs</translation>
    </message>
    <message>
        <source>Still Picture:</source>
        <translation>Image fixe :</translation>
    </message>
    <message>
        <source>How long a picture (JPEG, PNG, ...) lasts as a video</source>
        <translation>Durée d&apos;affichage d&apos;une image (JPEG, PNG, …) convertie en vidéo</translation>
    </message>
    <message>
        <source>Target size:</source>
        <translation>Taille cible :</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Fit each video output into this size, for example 700 MB; empty: use the bit rate above</source>
        <translation>Adapter chaque vidéo de sortie à cette taille, par exemple 700 MB ; vide : utiliser le débit ci-dessus</translation>
    </message>
    <message>
        <source>(the video bit rate follows)</source>
        <translation>(le débit vidéo s&apos;adapte)</translation>
    </message>
    <message>
        <source>Keep the video when the device plays it</source>
        <translation>Garder la vidéo si l&apos;appareil la lit</translation>
    </message>
    <message>
        <source>The video is copied unchanged when it is within what the profile&apos;s device plays (its codec, profile, level, size and frame rate limits), whatever size and bit rate this profile would convert to; its sound is kept too when the device plays it</source>
        <translation>La vidéo est copiée telle quelle si elle reste dans les limites de ce que lit l&apos;appareil du profil (codec, profil, niveau, taille et fréquence d&apos;images), quels que soient la taille et le débit vers lesquels ce profil convertirait ; le son est lui aussi conservé si l&apos;appareil le lit</translation>
    </message>
    <message>
        <source>Cut exactly at the start time</source>
        <translation>Couper exactement au début défini</translation>
    </message>
    <message>
        <source>A kept video can only start at a key frame, up to a few seconds before the start time; with this, tasks with a start time are converted</source>
        <translation>Une vidéo conservée ne peut commencer que sur une image clé, jusqu&apos;à quelques secondes avant le début défini ; avec cette option, les tâches ayant un début sont converties</translation>
    </message>
    <message>
        <source>The target size must be a size such as 700 MB or 1.4 GB, or empty for none.</source>
        <translation>La taille cible doit être une taille comme 700 MB ou 1.4 GB, ou rester vide.</translation>
    </message>
    <message>
        <source>Desktop&apos;s: %1</source>
        <translation>Bureau : %1</translation>
    </message>
</context>
<context>
    <name>CTolvaneAVConverterDlg</name>
    <message>
        <source>Position and length</source>
        <translation>Position et durée</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil :</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Sortie :</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Add files or drop them here</source>
        <translation>Ajoutez des fichiers ou déposez-les ici</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Adding files: %1 of %2</source>
        <translation>Ajout des fichiers : %1 sur %2</translation>
    </message>
    <message>
        <source>Add Files..</source>
        <translation>Ajouter des fichiers…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Clip...</source>
        <translation>Découper…</translation>
    </message>
    <message>
        <source>File Information...</source>
        <translation>Informations sur le fichier…</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Keep the folder tree</source>
        <translation>Conserver l&apos;arborescence</translation>
    </message>
    <message>
        <source>Skip files done before</source>
        <translation>Ignorer les fichiers déjà convertis</translation>
    </message>
    <message>
        <source>Reading folders: %1 files found</source>
        <translation>Lecture des dossiers : %1 fichiers trouvés</translation>
    </message>
</context>
<context>
    <name>ConversionCommands</name>
    <message>
        <source>Please select the video files to cut!</source>
        <translation>Veuillez sélectionner les fichiers vidéo à découper !</translation>
    </message>
</context>
<context>
    <name>ConversionControl</name>
    <message>
        <source>Please add video files!</source>
        <translation>Veuillez ajouter des fichiers vidéo !</translation>
    </message>
    <message>
        <source>Please check at least one task to convert!</source>
        <translation>Veuillez cocher au moins une tâche à convertir !</translation>
    </message>
    <message>
        <source>Merge is effective when two or more files are chosen!</source>
        <translation>La fusion nécessite au moins deux fichiers cochés !</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Converting %1 %</source>
        <translation>Conversion %1 %</translation>
    </message>
    <message>
        <source>JPEG Error</source>
        <translation>Erreur JPEG</translation>
    </message>
    <message>
        <source>Converting media files</source>
        <translation>Conversion de fichiers multimédias</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; does not accept files: %2. Please specify a different folder!</source>
        <translation>Le dossier de sortie « %1 » n&apos;accepte pas de fichiers : %2. Veuillez indiquer un autre dossier !</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source> + %1 more</source>
        <translation> + %1 autre(s)</translation>
    </message>
    <message>
        <source>%1   %2% has completed</source>
        <translation>%1   %2 % effectué</translation>
    </message>
    <message>
        <source>%1 Task Completed / Total %2 Task(s)</source>
        <translation>%1 tâche(s) terminée(s) / %2 au total</translation>
    </message>
    <message>
        <source>About %1 left in all</source>
        <translation>Environ %1 restant au total</translation>
    </message>
    <message>
        <source>About %1 left for this file</source>
        <translation>Environ %1 restant pour ce fichier</translation>
    </message>
    <message>
        <source>%1 completed, %2 failed, %3 stopped.</source>
        <translation>%1 terminée(s), %2 en échec, %3 arrêtée(s).</translation>
    </message>
    <message>
        <source>

Failed:</source>
        <translation>

Échecs :</translation>
    </message>
    <message>
        <source>no reason was given</source>
        <translation>aucune raison indiquée</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
… et %1 de plus.</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Conversion terminée</translation>
    </message>
    <message>
        <source>%1 completed, %2 failed</source>
        <translation>%1 terminée(s), %2 en échec</translation>
    </message>
    <message>
        <source>Done before</source>
        <translation>Déjà converti</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
</context>
<context>
    <name>DeviceFolderOffer</name>
    <message>
        <source>The merged output would be about %1 GB, but a file on the FAT32 volume %2 can hold at most 4 GB.
Merge fewer or shorter files, lower the bit rates or choose another output folder.</source>
        <translation>La sortie fusionnée ferait environ %1 Go, mais un fichier sur le volume FAT32 %2 ne peut pas dépasser 4 Go.
Fusionnez moins de fichiers ou des fichiers plus courts, baissez les débits ou choisissez un autre dossier de sortie.</translation>
    </message>
    <message>
        <source>The output of &quot;%1&quot; would be about %2 GB, but a file on the FAT32 volume %3 can hold at most 4 GB.
Shorten the clip, lower the bit rates or choose another output folder.</source>
        <translation>La sortie de « %1 » ferait environ %2 Go, mais un fichier sur le volume FAT32 %3 ne peut pas dépasser 4 Go.
Raccourcissez l&apos;extrait, baissez les débits ou choisissez un autre dossier de sortie.</translation>
    </message>
</context>
<context>
    <name>EngineText</name>
    <message>
        <source>Stopped at once; the unfinished output was removed</source>
        <translation>Arrêté immédiatement ; le fichier de sortie inachevé a été supprimé</translation>
    </message>
    <message>
        <source>The output&apos;s container writes files of its own beside the output; use another extension</source>
        <translation>Le conteneur de sortie écrit ses propres fichiers à côté de la sortie ; choisissez une autre extension</translation>
    </message>
    <message>
        <source>%1; its thumbnail may remain as %2</source>
        <translation>%1 ; sa miniature peut subsister sous %2</translation>
    </message>
    <message>
        <source>%1; thumbnails of the joined files may remain</source>
        <translation>%1 ; des miniatures des fichiers joints peuvent subsister</translation>
    </message>
    <message>
        <source>%1; what was written was removed, but an empty file may remain as %2</source>
        <translation>%1 ; ce qui avait été écrit a été supprimé, mais un fichier vide peut subsister sous %2</translation>
    </message>
    <message>
        <source>%1; a partial file may remain as %2</source>
        <translation>%1 ; un fichier partiel peut subsister sous %2</translation>
    </message>
    <message>
        <source>No container matches the output&apos;s name</source>
        <translation>Aucun conteneur ne correspond au nom de la sortie</translation>
    </message>
    <message>
        <source>The output does not take the source&apos;s video as it is</source>
        <translation>La sortie n&apos;accepte pas la vidéo de la source telle quelle</translation>
    </message>
    <message>
        <source>The output does not take the source&apos;s sound as it is</source>
        <translation>La sortie n&apos;accepte pas le son de la source tel quel</translation>
    </message>
    <message>
        <source>The video encoder does not accept these settings</source>
        <translation>L&apos;encodeur vidéo n&apos;accepte pas ces réglages</translation>
    </message>
    <message>
        <source>The audio encoder does not accept these settings</source>
        <translation>L&apos;encodeur audio n&apos;accepte pas ces réglages</translation>
    </message>
    <message>
        <source>Not enough memory for the picture buffers</source>
        <translation>Mémoire insuffisante pour les tampons d&apos;image</translation>
    </message>
    <message>
        <source>Not enough memory for the video encoder</source>
        <translation>Mémoire insuffisante pour l&apos;encodeur vidéo</translation>
    </message>
    <message>
        <source>Not enough memory for the audio encoder</source>
        <translation>Mémoire insuffisante pour l&apos;encodeur audio</translation>
    </message>
    <message>
        <source>Not enough memory for the source&apos;s video decoder</source>
        <translation>Mémoire insuffisante pour le décodeur vidéo de la source</translation>
    </message>
    <message>
        <source>Not enough memory for the source&apos;s audio decoder</source>
        <translation>Mémoire insuffisante pour le décodeur audio de la source</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>The merged output has no video stream for this source&apos;s pictures</source>
        <translation>La sortie fusionnée n&apos;a pas de flux vidéo pour les images de cette source</translation>
    </message>
    <message>
        <source>The merged output has no audio stream for this source&apos;s sound</source>
        <translation>La sortie fusionnée n&apos;a pas de flux audio pour le son de cette source</translation>
    </message>
    <message>
        <source>Not one picture of the video could be decoded and converted</source>
        <translation>Aucune image de la vidéo n&apos;a pu être décodée et convertie</translation>
    </message>
    <message>
        <source>No source file</source>
        <translation>Aucun fichier source</translation>
    </message>
    <message>
        <source>Cannot create the output: %1</source>
        <translation>Impossible de créer la sortie : %1</translation>
    </message>
    <message>
        <source>Cannot create the output</source>
        <translation>Impossible de créer la sortie</translation>
    </message>
    <message>
        <source>Cannot write the output&apos;s header: %1</source>
        <translation>Impossible d&apos;écrire l&apos;en-tête de la sortie : %1</translation>
    </message>
    <message>
        <source>Cannot write the output&apos;s header</source>
        <translation>Impossible d&apos;écrire l&apos;en-tête de la sortie</translation>
    </message>
    <message>
        <source>Cannot write the output: %1</source>
        <translation>Impossible d&apos;écrire la sortie : %1</translation>
    </message>
    <message>
        <source>Cannot write the output</source>
        <translation>Impossible d&apos;écrire la sortie</translation>
    </message>
    <message>
        <source>Cannot finish the output: %1</source>
        <translation>Impossible de terminer la sortie : %1</translation>
    </message>
    <message>
        <source>Cannot finish the output</source>
        <translation>Impossible de terminer la sortie</translation>
    </message>
    <message>
        <source>The output file was replaced or removed while it was written</source>
        <translation>Le fichier de sortie a été remplacé ou supprimé pendant son écriture</translation>
    </message>
    <message>
        <source>Cannot convert the sound</source>
        <translation>Impossible de convertir le son</translation>
    </message>
    <message>
        <source>Cannot encode the output</source>
        <translation>Impossible d&apos;encoder la sortie</translation>
    </message>
    <message>
        <source>Cannot open the source: %1</source>
        <translation>Impossible d&apos;ouvrir la source : %1</translation>
    </message>
    <message>
        <source>Cannot open the source</source>
        <translation>Impossible d&apos;ouvrir la source</translation>
    </message>
    <message>
        <source>The source is not a regular file</source>
        <translation>La source n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot read the source&apos;s streams: %1</source>
        <translation>Impossible de lire les flux de la source : %1</translation>
    </message>
    <message>
        <source>The subtitle track %1 cannot be decoded</source>
        <translation>La piste de sous-titres %1 ne peut pas être décodée</translation>
    </message>
    <message>
        <source>The subtitle file %1 cannot be read</source>
        <translation>Le fichier de sous-titres %1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>The subtitle file %1 has a cue of %2 bytes, too long to draw</source>
        <translation>Le fichier de sous-titres %1 contient un sous-titre de %2 octets, trop long pour être affiché</translation>
    </message>
    <message>
        <source>The subtitle file %1 asks for letters too large to draw</source>
        <translation>Le fichier de sous-titres %1 demande des caractères trop grands pour être affichés</translation>
    </message>
    <message>
        <source>The source&apos;s video cannot be decoded</source>
        <translation>La vidéo de la source ne peut pas être décodée</translation>
    </message>
    <message>
        <source>The source&apos;s audio cannot be decoded</source>
        <translation>Le son de la source ne peut pas être décodé</translation>
    </message>
    <message>
        <source>The source has no audio track %1</source>
        <translation>La source n&apos;a pas de piste audio %1</translation>
    </message>
    <message>
        <source>The source has no subtitle track %1</source>
        <translation>La source n&apos;a pas de piste de sous-titres %1</translation>
    </message>
    <message>
        <source>A picture has no sound: convert it with a video profile</source>
        <translation>Une image n&apos;a pas de son : convertissez-la avec un profil vidéo</translation>
    </message>
    <message>
        <source>The source has no sound to convert</source>
        <translation>La source n&apos;a pas de son à convertir</translation>
    </message>
    <message>
        <source>Cannot keep the statistics of the first pass</source>
        <translation>Impossible de conserver les statistiques de la première passe</translation>
    </message>
    <message>
        <source>The target size leaves no room for the video of this file</source>
        <translation>La taille cible ne laisse pas de place pour la vidéo de ce fichier</translation>
    </message>
    <message>
        <source>Cannot make a private folder for the first pass&apos;s statistics</source>
        <translation>Impossible de créer un dossier privé pour les statistiques de la première passe</translation>
    </message>
    <message>
        <source>the kept video starts at the key frame at %1, %2 before the begin time</source>
        <translation>la vidéo conservée commence à l&apos;image clé à %1, %2 avant l&apos;heure de début</translation>
    </message>
    <message>
        <source>video and sound kept as they are</source>
        <translation>vidéo et son conservés tels quels</translation>
    </message>
    <message>
        <source>video kept as it is</source>
        <translation>vidéo conservée telle quelle</translation>
    </message>
    <message>
        <source>sound kept as it is</source>
        <translation>son conservé tel quel</translation>
    </message>
    <message>
        <source>video converted: %1</source>
        <translation>vidéo convertie : %1</translation>
    </message>
    <message>
        <source>sound converted: %1</source>
        <translation>son converti : %1</translation>
    </message>
    <message>
        <source>a joined file cannot be read</source>
        <translation>un des fichiers joints ne peut pas être lu</translation>
    </message>
    <message>
        <source>the joined files&apos; videos differ in their parameters</source>
        <translation>les vidéos des fichiers joints ont des paramètres différents</translation>
    </message>
    <message>
        <source>the joined files&apos; sounds differ</source>
        <translation>les sons des fichiers joints sont différents</translation>
    </message>
    <message>
        <source>the source has no video</source>
        <translation>la source n&apos;a pas de vidéo</translation>
    </message>
    <message>
        <source>subtitles are burned into the picture</source>
        <translation>les sous-titres sont incrustés dans l&apos;image</translation>
    </message>
    <message>
        <source>an exact cut was asked for</source>
        <translation>une coupe exacte a été demandée</translation>
    </message>
    <message>
        <source>the video is fitted into the target size</source>
        <translation>la vidéo est ajustée à la taille cible</translation>
    </message>
    <message>
        <source>%1 (firmware %2)</source>
        <translation>%1 (firmware %2)</translation>
    </message>
    <message>
        <source>%1 (video out)</source>
        <translation>%1 (sortie vidéo)</translation>
    </message>
    <message>
        <source>the picture size %1x%2 is above the %3&apos;s %4x%5</source>
        <translation>la taille d&apos;image %1x%2 dépasse les %4x%5 de la %3</translation>
    </message>
    <message>
        <source>the picture size %1x%2 is above the %3&apos;s %4 pixels (%5x%6 or %7x%8)</source>
        <translation>la taille d&apos;image %1x%2 dépasse les %4 pixels de la %3 (%5x%6 ou %7x%8)</translation>
    </message>
    <message>
        <source>%1 fps is above the %2&apos;s %3 fps</source>
        <translation>%1 i/s dépasse les %3 i/s de la %2</translation>
    </message>
    <message>
        <source>the picture is rotated by %1 degrees, which the %2 does not apply</source>
        <translation>l&apos;image est pivotée de %1 degrés, ce que la %2 n&apos;applique pas</translation>
    </message>
    <message>
        <source>its pixels are not square (%1:%2), which the %3 shows stretched</source>
        <translation>ses pixels ne sont pas carrés (%1:%2), la %3 affiche l&apos;image déformée</translation>
    </message>
    <message>
        <source>the picture is interlaced without saying which field comes first</source>
        <translation>l&apos;image est entrelacée sans indiquer quelle trame vient en premier</translation>
    </message>
    <message>
        <source>%1-bit video is more than the %2&apos;s 8 bits</source>
        <translation>une vidéo %1 bits dépasse les 8 bits de la %2</translation>
    </message>
    <message>
        <source>%1 colour is not the 4:2:0 the %2 plays</source>
        <translation>la couleur %1 n&apos;est pas le 4:2:0 que lit la %2</translation>
    </message>
    <message>
        <source>the %1 profile is not one the %2 plays</source>
        <translation>le profil %1 n&apos;est pas lu par la %2</translation>
    </message>
    <message>
        <source>level %1 is above the %2&apos;s %3</source>
        <translation>le niveau %1 dépasse le niveau %3 de la %2</translation>
    </message>
    <message>
        <source>its size and rate are above level %1 of the %2</source>
        <translation>sa taille et sa fréquence dépassent le niveau %1 de la %2</translation>
    </message>
    <message>
        <source>%1 reference frames are more than the %2&apos;s %3 at this size</source>
        <translation>%1 images de référence, c&apos;est plus que les %3 de la %2 à cette taille</translation>
    </message>
    <message>
        <source>its pictures have %1 slices; the %2 decodes one</source>
        <translation>ses images ont %1 tranches ; la %2 n&apos;en décode qu&apos;une</translation>
    </message>
    <message>
        <source>the %1 does not open %2 files</source>
        <translation>la %1 n&apos;ouvre pas les fichiers %2</translation>
    </message>
    <message>
        <source>%1 video is not what the %2 plays in %3</source>
        <translation>la %2 ne lit pas de vidéo %1 dans du %3</translation>
    </message>
    <message>
        <source>only AAC-LC plays on the %1</source>
        <translation>la %1 ne lit que l&apos;AAC-LC</translation>
    </message>
    <message>
        <source>%1 AAC channels are more than the %2&apos;s %3</source>
        <translation>%1 canaux AAC, c&apos;est plus que les %3 de la %2</translation>
    </message>
    <message>
        <source>%1 Hz AAC is not a rate the %2 plays</source>
        <translation>la %2 ne lit pas l&apos;AAC à %1 Hz</translation>
    </message>
    <message>
        <source>%1 sound is not what the %2 plays in %3</source>
        <translation>la %2 ne lit pas de son %1 dans du %3</translation>
    </message>
    <message>
        <source>the %1 encoder takes only %2 at %3</source>
        <translation>l&apos;encodeur %1 n&apos;accepte que %2 en %3</translation>
    </message>
    <message>
        <source>the %1 encoder takes only %2</source>
        <translation>l&apos;encodeur %1 n&apos;accepte que %2</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot;, &quot;2 Channel Stereo&quot; or &quot;5.1 Channel&quot;</source>
        <translation>l&apos;encodeur %1 accepte « 1 canal mono », « 2 canaux stéréo » ou « 5.1 canaux »</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot; or &quot;2 Channel Stereo&quot;</source>
        <translation>l&apos;encodeur %1 accepte « 1 canal mono » ou « 2 canaux stéréo »</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot; only</source>
        <translation>l&apos;encodeur %1 n&apos;accepte que « 1 canal mono »</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 to %3 Hz (%4)</source>
        <translation>l&apos;encodeur %1 accepte de %2 à %3 Hz (%4)</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 kbps to %3 kbps</source>
        <translation>l&apos;encodeur %1 accepte de %2 kbps à %3 kbps</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 Hz</source>
        <translation>l&apos;encodeur %1 accepte %2 Hz</translation>
    </message>
    <message>
        <source>even widths and heights from %1 to %2</source>
        <translation>des largeurs et hauteurs paires de %1 à %2</translation>
    </message>
    <message>
        <source>%1 kbps to %2 kbps</source>
        <translation>de %1 kbps à %2 kbps</translation>
    </message>
    <message>
        <source>A target size is for video outputs: the size of a sound file follows its bit rate.</source>
        <translation>Une taille cible s&apos;applique aux sorties vidéo : la taille d&apos;un fichier audio découle de son débit.</translation>
    </message>
    <message>
        <source>The target size of %1 is more than a file on the %2&apos;s FAT32 storage can hold (at most 4 GB).
Choose a smaller size.</source>
        <translation>La taille cible de %1 dépasse ce que peut contenir un fichier sur le stockage FAT32 de la %2 (4 Go au plus).
Choisissez une taille plus petite.</translation>
    </message>
    <message>
        <source>The target size of %1 is too small for %2: its video would get %3, below the %4 this profile needs.
Choose a larger size, a shorter clip or a profile with smaller pictures.</source>
        <translation>La taille cible de %1 est trop petite pour %2 : sa vidéo aurait %3, moins que les %4 nécessaires à ce profil.
Choisissez une taille plus grande, un extrait plus court ou un profil aux images plus petites.</translation>
    </message>
    <message>
        <source>The target size is too small for the video of this file: even at the encoder&apos;s lowest quality it needs more than %1, and the size leaves %2.
Choose a larger size, a shorter clip or a profile with smaller pictures.</source>
        <translation>La taille cible est trop petite pour la vidéo de ce fichier : même à la qualité la plus basse de l&apos;encodeur, elle demande plus de %1, et la taille laisse %2.
Choisissez une taille plus grande, un extrait plus court ou un profil aux images plus petites.</translation>
    </message>
    <message>
        <source>The target size of %1 is too large for %2: its video would need %3, above the %4 kbps %5 plays.
Choose a smaller size.</source>
        <translation>La taille cible de %1 est trop grande pour %2 : sa vidéo demanderait %3, plus que les %4 kbps que lit %5.
Choisissez une taille plus petite.</translation>
    </message>
    <message>
        <source>%1 (%2 long)</source>
        <translation>%1 (durée %2)</translation>
    </message>
    <message>
        <source>the merged output</source>
        <translation>la sortie fusionnée</translation>
    </message>
    <message>
        <source>the %1 at H.264 level %2</source>
        <translation>la %1 en H.264 niveau %2</translation>
    </message>
    <message>
        <source>the %1 in MPEG-2 Main profile</source>
        <translation>la %1 en MPEG-2 profil Main</translation>
    </message>
    <message>
        <source>the %1 in %2 profile</source>
        <translation>la %1 avec le profil %2</translation>
    </message>
    <message>
        <source>the PS3</source>
        <translation>la PS3</translation>
    </message>
    <message>
        <source>the PSP</source>
        <translation>la PSP</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Aucun fichier ou dossier de ce nom</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Invalid data found when processing input</source>
        <translation>Données non valides trouvées lors du traitement de l&apos;entrée</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Plus d&apos;espace disponible sur le périphérique</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argument non valide</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Erreur d&apos;entrée/sortie</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Quota de disque dépassé</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Fichier trop volumineux</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1 ; %2</translation>
    </message>
    <message>
        <source>the output is smaller than the target size: the video needs no more (%1 of %2)</source>
        <translation>la sortie est plus petite que la taille cible : la vidéo n&apos;en demande pas plus (%1 sur %2)</translation>
    </message>
    <message>
        <source>the output is larger than the target size: the encoder could not keep to it (%1 of %2)</source>
        <translation>la sortie est plus grande que la taille cible : l&apos;encodeur n&apos;a pas pu la respecter (%1 sur %2)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Add File</source>
        <translation>Ajouter un fichier</translation>
    </message>
    <message>
        <source>Clip Video</source>
        <translation>Découper la vidéo</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Lancer la conversion</translation>
    </message>
    <message>
        <source>Open output files</source>
        <translation>Ouvrir les fichiers de sortie</translation>
    </message>
    <message>
        <source>Set output files</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source> Merge into a file</source>
        <translation> Fusionner en un seul fichier</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Informations sur le fichier</translation>
    </message>
    <message>
        <source>Conversion Settings</source>
        <translation>Réglages de conversion</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Découper</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Open output folder</source>
        <translation>Ouvrir le dossier de sortie</translation>
    </message>
    <message>
        <source>Browse for output folder</source>
        <translation>Parcourir pour choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Merge into a file</source>
        <translation>Fusionner en un seul fichier</translation>
    </message>
    <message>
        <source>File information</source>
        <translation>Informations sur le fichier</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tâches</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Position and length</source>
        <translation>Position et durée</translation>
    </message>
    <message>
        <source>All files (*.*)|*.*|All media files|*.flv;*.swf;*.mov;*.qt;*.avi;*.mpg;*.mpeg;*.mod;*.tod;*.mts;*.ts;*.nut;*.h264;*.nsv;*.dv;*.rm;*.rmvb;*.m2t;*.vob;*.dat;*.mkv;*.mp4;*.m4v;*.3gp;*.3g2;*.3gpp;*.asf;*.wmv;*.wm|Flash files (*.flv)|*.flv|Real Media Files(*.rm;*.rmvb)|*.rm;*.rmvb|QuickTime files(*.mov;*.qt)|*.qt;*.mov|AVI files(*.avi)|*.avi|MPEG files(*.mpg;*.mpeg)|*.mpg;*.mpeg|Unprotected VOB files(*.vob)|*.vob|VCD files(*.dat)|*.dat|Matroska Video files(*.mkv)|*.mkv|MP4 files(*.mp4;*.m4v)|*.mp4;*.m4v|3GP files(*.3gp;*.3g2;*.3gpp)|*.3gp;*.3g2;*.3gpp|Windows Media files(*.asf;*.wmv)|*.asf;*.wmv|MOD files(*.mod)|*.mod|TOD files(*.tod)|*.tod|High-Definition files(*.mts;*.ts;*.m2t)|*.mts;*.ts;*.m2ts|Digital Video files(*.dv)|*.dv|NUT files(*.nut)|*.nut|Raw H.264 video files(*.h264)|*.h264|Nullsoft Stream Video(*.nsv)|*.nsv|All audio files|*.aac;*.ac3;*.aiff;*.ape;*.cue;*.mpa;*.au;*.flac;*.mp3;*.ogg;*.ra;*.ram;*.wav;*.cda;*.m4a;*.wma|Advanced Audio Coding files(*.aac)|*.aac|Advanced Interchage File Format(*.aiff)|*.aiff|Audio Code 3 files(*.ac3)|*.ac3|Monkey&apos;s Audio Files(*.ape;*.cue)|*.ape;*.cue|Sun AU Format(*.au)|*.au|Free Loseless Audio Codec(*.flac)|*.flac|MP3 files(*.mp3)|*.mp3|Ogg Vorbis Audio Files(*.ogg)|*.ogg|Real Audio Files(*.ra;*.ram)|*.ra;*.ram|WAV Audio Files(*.wav)|*.wav|Window Media Audio Files(*.wma)|*.wma|CD Audio(*.cda)|*.cda|MPEG-4 Audio(*.m4a)|*.m4a||</source>
        <translation>Tous les fichiers (*.*)|*.*|Tous les fichiers multimédias|*.flv;*.swf;*.mov;*.qt;*.avi;*.mpg;*.mpeg;*.mod;*.tod;*.mts;*.ts;*.nut;*.h264;*.nsv;*.dv;*.rm;*.rmvb;*.m2t;*.vob;*.dat;*.mkv;*.mp4;*.m4v;*.3gp;*.3g2;*.3gpp;*.asf;*.wmv;*.wm|Fichiers Flash (*.flv)|*.flv|Fichiers Real Media (*.rm;*.rmvb)|*.rm;*.rmvb|Fichiers QuickTime (*.mov;*.qt)|*.qt;*.mov|Fichiers AVI (*.avi)|*.avi|Fichiers MPEG (*.mpg;*.mpeg)|*.mpg;*.mpeg|Fichiers VOB non protégés (*.vob)|*.vob|Fichiers VCD (*.dat)|*.dat|Fichiers Matroska Video (*.mkv)|*.mkv|Fichiers MP4 (*.mp4;*.m4v)|*.mp4;*.m4v|Fichiers 3GP (*.3gp;*.3g2;*.3gpp)|*.3gp;*.3g2;*.3gpp|Fichiers Windows Media (*.asf;*.wmv)|*.asf;*.wmv|Fichiers MOD (*.mod)|*.mod|Fichiers TOD (*.tod)|*.tod|Fichiers haute définition (*.mts;*.ts;*.m2t)|*.mts;*.ts;*.m2ts|Fichiers Digital Video (*.dv)|*.dv|Fichiers NUT (*.nut)|*.nut|Fichiers vidéo H.264 bruts (*.h264)|*.h264|Nullsoft Stream Video (*.nsv)|*.nsv|Tous les fichiers audio|*.aac;*.ac3;*.aiff;*.ape;*.cue;*.mpa;*.au;*.flac;*.mp3;*.ogg;*.ra;*.ram;*.wav;*.cda;*.m4a;*.wma|Fichiers Advanced Audio Coding (*.aac)|*.aac|Advanced Interchage File Format (*.aiff)|*.aiff|Fichiers Audio Code 3 (*.ac3)|*.ac3|Fichiers Monkey&apos;s Audio (*.ape;*.cue)|*.ape;*.cue|Sun AU Format (*.au)|*.au|Free Loseless Audio Codec (*.flac)|*.flac|Fichiers MP3 (*.mp3)|*.mp3|Fichiers Ogg Vorbis Audio (*.ogg)|*.ogg|Fichiers Real Audio (*.ra;*.ram)|*.ra;*.ram|Fichiers WAV Audio (*.wav)|*.wav|Fichiers Window Media Audio (*.wma)|*.wma|CD Audio (*.cda)|*.cda|MPEG-4 Audio (*.m4a)|*.m4a||</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Please select output folder:</source>
        <translation>Veuillez choisir le dossier de sortie :</translation>
    </message>
    <message>
        <source>The output folder name is invalid!</source>
        <translation>Le nom du dossier de sortie n&apos;est pas valide !</translation>
    </message>
    <message>
        <source>Can not find help file!</source>
        <translation>Fichier d&apos;aide introuvable !</translation>
    </message>
    <message>
        <source>Write each output in its source&apos;s folder below the output folder</source>
        <translation>Écrire chaque sortie dans le dossier de sa source, sous le dossier de sortie</translation>
    </message>
    <message>
        <source>Leave out the files whose complete output an earlier run wrote</source>
        <translation>Laisser de côté les fichiers dont une exécution précédente a écrit la sortie complète</translation>
    </message>
    <message>
        <source>Keep the folder tree</source>
        <translation>Conserver l&apos;arborescence</translation>
    </message>
    <message>
        <source>Skip files done before</source>
        <translation>Ignorer les fichiers déjà convertis</translation>
    </message>
    <message>
        <source>No program could open the help page. Please open it in a web browser:
%1</source>
        <translation>Aucun programme n&apos;a pu ouvrir la page d&apos;aide. Veuillez l&apos;ouvrir dans un navigateur web :
%1</translation>
    </message>
    <message>
        <source>No program could open the output folder. Please open it in a file manager:
%1</source>
        <translation>Aucun programme n&apos;a pu ouvrir le dossier de sortie. Veuillez l&apos;ouvrir dans un gestionnaire de fichiers :
%1</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Le système d&apos;exploitation manque
de mémoire ou de ressources.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Le fichier indiqué est introuvable.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Le chemin indiqué est introuvable.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Le système d&apos;exploitation a refusé
l&apos;accès au fichier indiqué.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>La mémoire était insuffisante pour terminer l&apos;opération.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Le fichier .EXE n&apos;est pas valide
(pas un .EXE Win32 ou image .EXE erronée).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Une violation de partage s&apos;est produite. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>L&apos;association du nom de fichier est
incomplète ou non valide.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transaction DDE n&apos;a pas pu
aboutir : le délai de la requête a expiré.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transaction DDE a échoué.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transaction DDE n&apos;a pas pu
aboutir car d&apos;autres transactions DDE
étaient en cours.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Aucune application n&apos;est associée
à cette extension de fichier.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>La bibliothèque dynamique indiquée est introuvable.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Une erreur inconnue (%1) s&apos;est produite.</translation>
    </message>
</context>
<context>
    <name>ProbeQueue</name>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>il ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>it is not a video or audio file that can be read</source>
        <translation>ce n&apos;est pas un fichier vidéo ou audio lisible</translation>
    </message>
    <message>
        <source>its length cannot be measured</source>
        <translation>sa durée ne peut pas être mesurée</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>picture too large: %1×%2</source>
        <translation>image trop grande : %1×%2</translation>
    </message>
    <message>
        <source>the file is still growing</source>
        <translation>le fichier est encore en cours d&apos;écriture</translation>
    </message>
</context>
<context>
    <name>TaskList</name>
    <message>
        <source> Ready</source>
        <translation> Prêt</translation>
    </message>
    <message>
        <source>Source file</source>
        <translation>Fichier source</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Format de sortie</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>File:%1 is invalid!</source>
        <translation>Fichier %1 non valide !</translation>
    </message>
    <message>
        <source>File:%1 is invalid: %2.</source>
        <translation>Fichier %1 non valide : %2.</translation>
    </message>
    <message>
        <source>%1 files are invalid and were not added:</source>
        <translation>%1 fichiers ne sont pas valides et n&apos;ont pas été ajoutés :</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
… et %1 de plus.</translation>
    </message>
    <message>
        <source>File:%1 invalid!</source>
        <translation>Fichier %1 non valide !</translation>
    </message>
    <message>
        <source>The task list is full: it holds at most %1 files. The remaining files were not added.</source>
        <translation>La liste des tâches est pleine : elle contient au plus %1 fichiers. Les fichiers restants n&apos;ont pas été ajoutés.</translation>
    </message>
</context>
<context>
    <name>TaskListStore</name>
    <message>
        <source>it cannot be opened</source>
        <translation>il ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>il est trop volumineux</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il ne peut pas être lu</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>il est endommagé</translation>
    </message>
    <message>
        <source>it is not a task list of this program</source>
        <translation>ce n&apos;est pas une liste de tâches de ce programme</translation>
    </message>
    <message>
        <source>it was written by a newer version</source>
        <translation>il a été écrit par une version plus récente</translation>
    </message>
    <message>
        <source>%1 is not a plain file and cannot be moved aside</source>
        <translation>%1 n&apos;est pas un fichier ordinaire et ne peut pas être mis de côté</translation>
    </message>
    <message>
        <source>interrupted before the rename</source>
        <translation>interrompu avant le renommage</translation>
    </message>
    <message>
        <source>The task list kept from the last run could not be used: %1.</source>
        <translation>La liste des tâches conservée de la dernière session n&apos;a pas pu être utilisée : %1.</translation>
    </message>
    <message>
        <source>
It was set aside as %1.</source>
        <translation>
Elle a été mise de côté sous le nom %1.</translation>
    </message>
    <message>
        <source>
The program starts with an empty task list.</source>
        <translation>
Le programme démarre avec une liste de tâches vide.</translation>
    </message>
    <message>
        <source>The task list could not be saved: %1.
The list kept from before is left as it was; saving is tried again in a while.</source>
        <translation>La liste des tâches n&apos;a pas pu être enregistrée : %1.
La liste conservée auparavant reste inchangée ; l&apos;enregistrement sera retenté sous peu.</translation>
    </message>
    <message>
        <source>The task list&apos;s file could not be used (%1) and was not written through: it was set aside as %2.</source>
        <translation>Le fichier de la liste des tâches n&apos;a pas pu être utilisé (%1) et n&apos;a pas été écrasé : il a été mis de côté sous le nom %2.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a file of this program</source>
        <translation>c&apos;est un lien symbolique, pas un fichier de ce programme</translation>
    </message>
</context>
</TS>
