#pragma once
// CHyperLink: a static text that shows an address as a coloured link. It turns the
// hover colour (and, in underline mode -1, underlined) while the pointer is on it;
// a 100 ms timer notices the pointer leaving. A click opens `url` through the
// platform layer (CurrentPlatform().OpenUrl): on success the link takes the
// visited colour, on failure it keeps the unvisited colour, beeps and shows
// "Unable to open hyperlink:\n\n" + the reason, with the exclamation icon.
// The address is also the tooltip. UI thread only.

#include "controls/Label.h"

#include <QColor>
#include <QFont>
#include <QTimer>

class CHyperLink : public QLabel {
    Q_OBJECT
public:
    static constexpr int kHoverTimerMs = 100;

    // `text` is the template text; when no URL is set, it becomes the URL.
    explicit CHyperLink(QWidget* parent = nullptr, int controlId = 0,
                        const QString& text = QString(), unsigned style = staticstyle::kLeft);

    int controlId() const { return m_controlId; }

    // Stores the address, resizes to the text (when adjust-to-fit) and updates the
    // tooltip. The shown text does not change. While the address is empty, a
    // click opens the control's text.
    void SetURL(const QString& url);
    QString GetURL() const { return m_url; }

    // -1 underline while hovering, 0 never, 1 always.
    void SetUnderline(int mode);
    int GetUnderline() const { return m_underlineMode; }

    void SetColours(const QColor& link, const QColor& visited, const QColor& hover);
    void SetVisited(bool visited);
    bool IsVisited() const { return m_visited; }
    bool IsOverLink() const { return m_overLink; }
    void SetAutoSize(bool adjustToFit);

    // Colour the text is drawn in now (hover > visited > link).
    QColor CurrentColour() const;
    // Whether the text is drawn underlined now.
    bool IsUnderlined() const { return font().underline(); }

    // Opens the URL as a click does (without the mouse); returns success.
    bool Open();

    static QColor DefaultLinkColour() { return QColor(0, 0, 238); }
    static QColor DefaultVisitedColour() { return QColor(85, 26, 139); }
    static QColor DefaultHoverColour() { return QColor(255, 0, 0); }

    // "Unable to open hyperlink:\n\n" + reason.
    static QString FailureMessage(const QString& reason);

    // Applies a font (the owner's, e.g. the About box's 10-point font) as the
    // normal and underlined link fonts.
    void SetLinkFont(const QFont& font);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void positionWindow();
    void applyFont(bool underline);
    void hoverEnded();

    int m_controlId;
    unsigned m_style;
    QString m_url;
    QColor m_linkColour = DefaultLinkColour();
    QColor m_visitedColour = DefaultVisitedColour();
    QColor m_hoverColour = DefaultHoverColour();
    bool m_overLink = false;
    bool m_visited = false;
    bool m_pointerLeft = true;
    QPoint m_lastPointer;
    int m_underlineMode = -1;
    bool m_adjustToFit = true;
    QFont m_normalFont;
    QFont m_underlineFont;
    int m_hoverTimer = 0;
};
