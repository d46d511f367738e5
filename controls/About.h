#pragma once
// CAbout: the modal About box (template 246): the product banner (bitmap 249),
// "Version " and the program's version (packaging/Version.h, "Version 2.1"), and
// two always-underlined links, to the support page (1101) and the home page
// (1102), and OK (id 1). Each showing is a fresh object, so links
// start unvisited every time. Links open through the platform layer.

#include <QDialog>

class CHyperLink;
class QPushButton;

class CAbout : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 246;
    static constexpr const char* kSupportUrl = "https://korbanix.org/support";
    static constexpr const char* kHomeUrl = "https://korbanix.org";

    explicit CAbout(QWidget* owner = nullptr);

    CHyperLink* supportLink() const { return m_supportLink; }
    CHyperLink* homeLink() const { return m_homeLink; }
    QPushButton* okButton() const { return m_ok; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    CHyperLink* m_supportLink = nullptr;
    CHyperLink* m_homeLink = nullptr;
    QPushButton* m_ok = nullptr;
};
