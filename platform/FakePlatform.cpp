#include "platform/FakePlatform.h"
#include "platform/LinuxPlatform.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QTimer>

namespace {
template <class T>
bool takeFront(std::deque<T>& queue, T& out) {
    if (queue.empty()) return false;
    out = std::move(queue.front());
    queue.pop_front();
    return true;
}
}  // namespace

QStringList FakePlatform::messageTexts() const {
    QStringList texts;
    for (const Message& message : messages) texts << message.text;
    return texts;
}

MessageResult FakePlatform::MessageBox(QWidget* owner, const QString& text, const QString& caption,
                                       MessageButtons buttons, MessageIcon icon) {
    messages.push_back(Message{owner, text, caption, buttons, icon});
    if (realMessageBoxes) return LinuxPlatform().MessageBox(owner, text, caption, buttons, icon);
    MessageResult answer = buttons == MessageButtons::YesNo ? MessageResult::No : MessageResult::Ok;
    takeFront(messageAnswers, answer);
    if (buttons != MessageButtons::YesNo || questionsStayOpenMs <= 0) return answer;
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, owner);
    bool byPerson = false;
    QTimer::singleShot(questionsStayOpenMs, &box, [&] {
        byPerson = true;
        box.done(answer == MessageResult::Yes ? QMessageBox::Yes : QMessageBox::No);
    });
    const bool yes = box.exec() == QMessageBox::Yes;
    if (!byPerson) return yes ? MessageResult::Yes : MessageResult::No;
    ++questionsAnsweredByPerson;
    return answer;
}

void FakePlatform::Beep() { ++beepCount; }

QStringList FakePlatform::ChooseOpenFiles(QWidget* owner, const QString& windowsFilter, const QString& startFolder) {
    fileChooserCalls.push_back(FileChooserCall{owner, windowsFilter, startFolder});
    QStringList files;
    takeFront(fileChoices, files);
    return files;
}

QString FakePlatform::ChooseFolder(QWidget* owner, const QString& title, const QString& startFolder) {
    folderChooserCalls.push_back(FolderChooserCall{owner, title, startFolder});
    QString folder;
    takeFront(folderChoices, folder);
    return folder;
}

OpenResult FakePlatform::nextOpenResult() {
    OpenResult result{true, 42, QString()};
    takeFront(openResults, result);
    return result;
}

OpenResult FakePlatform::OpenPath(const QString& path, std::function<void()> whenNothingOpened) {
    openedPaths.push_back(path);
    if (nothingOpensPaths && whenNothingOpened) QTimer::singleShot(0, qApp, whenNothingOpened);
    return nextOpenResult();
}

OpenResult FakePlatform::OpenUrl(const QString& url) {
    openedUrls.push_back(url);
    return nextOpenResult();
}

bool FakePlatform::PowerOff() {
    ++powerOffCount;
    return powerOffResult;
}

QString FakePlatform::ExecutableFolder() { return executableFolder; }
QString FakePlatform::UserConfigFolder() { return userConfigFolder; }
QString FakePlatform::VideosFolder() { return videosFolder; }
