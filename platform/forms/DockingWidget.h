#pragma once
// Platform-internal: a plain widget that lays out its docked child controls
// whenever its size changes, with an optional centred caption and bevel.
#include <QFrame>
#include <QString>

namespace forms::detail {

class DockingWidget : public QFrame {
public:
    explicit DockingWidget(QWidget* parent = nullptr) : QFrame(parent) {}
    void setCaption(const QString& c) {
        caption_ = c;
        update();
    }

protected:
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void childEvent(QChildEvent* e) override;
    bool event(QEvent* e) override;

private:
    QString caption_;
};

// Lays out the docked siblings of `w` when `e` hides or shows it.
void relayoutParentOn(QWidget* w, QEvent* e);

}  // namespace forms::detail
