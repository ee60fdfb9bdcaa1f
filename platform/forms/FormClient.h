#pragma once
// Platform-internal: the client area of a form: paints the background colour
// and picture, reports the mouse where no control covers it, and lays out
// docked controls.
#include <QWidget>

namespace forms {
class Form;
namespace detail {

class FormClient : public QWidget {
public:
    FormClient(Form& f, QWidget* parent);
    void detach() { form_ = nullptr; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    Form* form_;
};

}  // namespace detail
}  // namespace forms
