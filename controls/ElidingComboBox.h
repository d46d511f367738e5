#pragma once
// A drop-down list whose chosen entry is cut in its middle with "…" when it is
// wider than the box (a long profile name at twice the scale), so its start and
// its "(*.mp4)" both stay readable; the whole entry is its tooltip then. The list
// that drops down shows every entry whole. UI thread only.

#include <QComboBox>

class CElidingComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit CElidingComboBox(QWidget* parent = nullptr);

    // The chosen entry as drawn in the box: whole, or cut in its middle.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int textWidth() const;
    void updateTip();
};
