#pragma once
// CElidingCombo: a drop-down list whose chosen entry, when it is wider than the
// field, is cut in its middle with "…" so both its ends stay readable (a track's
// "Automatic: 1: …, 6 channels, default" lost its end at the right edge); the
// whole entry is then the field's tooltip. The opened list is as wide as its
// widest entry (up to the screen), so there every entry reads whole. UI thread only.

#include <QComboBox>

class CElidingCombo : public QComboBox {
    Q_OBJECT
public:
    explicit CElidingCombo(QWidget* parent = nullptr);

    // Entry `index` as the field shows it when it is the chosen one; -1: the
    // current entry.
    QString ShownText(int index = -1) const;

    void showPopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int textRoom() const;
    void updateTip();

    bool m_tipIsText = false;  // the tooltip was set to the cut entry
};
