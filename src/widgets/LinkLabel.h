#pragma once

#include <QLabel>

namespace pwo {

// A label drawn like a link: light blue, yellow and underlined while the
// pointer or the focus is on it, with a hand pointer; clicking it, or Space
// or Enter while it has the focus, emits clicked().
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

    static QColor restingColour() { return QColor(0xC0, 0xC0, 0xFF); }
    static QColor hoverColour() { return QColor(0xFF, 0xFF, 0x00); }
    bool isHovered() const { return hovered_; }

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showHovered(bool hovered);

    bool hovered_ = false;
};

} // namespace pwo
