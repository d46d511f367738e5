#include "controls/About.h"
#include "controls/SkinPalette.h"

#include "controls/HyperLink.h"
#include "controls/artwork/Artwork.h"
#include "packaging/Version.h"
#include "platform/ControlId.h"
#include "platform/DialogUnits.h"
#include "platform/WindowPlacement.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace {

struct StaticRow {
    int id;  // -1: no id
    const char* text;
    QRect dialogUnits;
};

// Template 246, in dialog units.
constexpr QSize kDialogSize(288, 161);
const QRect kBannerRect(7, 7, 274, 53);
// The version static (1103) reads "Version " and the program's version.
constexpr int kVersionId = 1103;
const QRect kVersionRect(214, 61, 55, 8);
const StaticRow kStatics[] = {
    {-1, QT_TRANSLATE_NOOP("CAbout", "Support:"), QRect(20, 75, 43, 8)},
    {-1, QT_TRANSLATE_NOOP("CAbout", "Homepage:"), QRect(20, 95, 43, 8)},
};
const QRect kSupportRect(61, 75, 173, 8);
const QRect kHomeRect(61, 95, 152, 8);
const QRect kOkRect(231, 138, 50, 16);
constexpr int kSupportId = 1101;
constexpr int kHomeId = 1102;
constexpr int kOkId = 1;
constexpr int kLinkPointSize = 10;

CHyperLink* makeLink(QWidget* dialog, int id, const QRect& rect, const char* url) {
    auto* link = new CHyperLink(dialog, id, QString::fromUtf8(url));
    link->setGeometry(MapDialogRect(rect, dialog->font()));
    link->SetLinkFont(DialogFont(kLinkPointSize));
    link->SetURL(QString::fromUtf8(url));
    link->SetUnderline(1);
    return link;
}

}  // namespace

CAbout::CAbout(QWidget* owner) : QDialog(owner) {
    setWindowTitle(tr("About"));
    ApplySkinPalette(*this);  // readable on the skin whatever the desktop theme
    setProperty("templateId", kTemplateId);
    setFont(DialogFont(8));
    setModal(true);

    // A picture static takes the size of its bitmap, whatever the template says.
    auto* banner = new QLabel(this);
    banner->setPixmap(artwork::Pixmap(artwork::kAboutBanner));
    const QRect bannerPlace = MapDialogRect(kBannerRect, font());
    banner->setGeometry(QRect(bannerPlace.topLeft(), banner->pixmap().size()));

    auto* version = new QLabel(tr("Version %1").arg(QString::fromUtf8(KorbanixVersion())), this);
    SetControlId(version, kVersionId);
    version->setGeometry(MapDialogRect(kVersionRect, font()));
    for (const StaticRow& row : kStatics) {
        auto* label = new QLabel(tr(row.text), this);
        if (row.id >= 0) SetControlId(label, row.id);
        label->setGeometry(MapDialogRect(row.dialogUnits, font()));
    }
    m_supportLink = makeLink(this, kSupportId, kSupportRect, kSupportUrl);
    m_homeLink = makeLink(this, kHomeId, kHomeRect, kHomeUrl);

    m_ok = new QPushButton(tr("OK"), this);
    SetControlId(m_ok, kOkId);
    m_ok->setGeometry(MapDialogRect(kOkRect, font()));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    // Dialog-unit sizes follow the font; never let the banner stick out.
    QSize size = MapDialogSize(kDialogSize, font());
    size = size.expandedTo(QSize(banner->geometry().right() + bannerPlace.left() + 1, 0));
    setFixedSize(size);
}

void CAbout::showEvent(QShowEvent* event) {
    // Centred on the owner and kept on its screen (a frame not yet placed by the
    // desktop gave negative places).
    CentreOnOwner(*this);
    QDialog::showEvent(event);
}
