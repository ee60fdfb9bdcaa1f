#pragma once
// Platform-internal: the top-level window of a form.
#include <QWidget>

namespace forms {
class Form;
namespace detail {

class FormWindow : public QWidget {
public:
    explicit FormWindow(Form& f);
    void detach() { form_ = nullptr; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    Form* form_;
};

}  // namespace detail
}  // namespace forms
