#include "forms/StatusBar.h"

#include <QEvent>
#include <QLabel>
#include <QStatusBar>
#include <QStatusTipEvent>

#include "forms/QtAccess.h"

namespace forms {

namespace {
class HintWatcher : public QObject {
public:
    HintWatcher(QObject* parent, QStatusBar* bar) : QObject(parent), bar_(bar) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::StatusTip && bar_) {
            auto* tip = static_cast<QStatusTipEvent*>(e);
            if (!tip->tip().isEmpty() || bar_->property("formsHintShown").toBool()) {
                bar_->findChild<QLabel*>("formsSimple")->setText(tip->tip());
                bar_->setProperty("formsHintShown", !tip->tip().isEmpty());
            }
        }
        return false;
    }

private:
    QPointer<QStatusBar> bar_;
};
}  // namespace

StatusBar::StatusBar(Form& form, std::string name, Control* container) : Control(form, std::move(name), container) {
    auto* bar = new QStatusBar;
    bar->setSizeGripEnabled(true);
    auto* label = new QLabel;
    label->setObjectName("formsSimple");
    bar->addWidget(label, 1);
    attachWidget(*this, bar);
    setAlign(Align::Bottom);
    resize(form.fromPixels(300), form.fromPixels(bar->sizeHint().height() + 2));
}

void StatusBar::setSimpleText(const std::string& text) {
    auto* bar = static_cast<QStatusBar*>(widgetOf(*this));
    bar->findChild<QLabel*>("formsSimple")->setText(qs(text));
    bar->setProperty("formsHintShown", false);
}

std::string StatusBar::simpleText() const {
    auto* bar = static_cast<QStatusBar*>(widgetOf(*this));
    return ansiOf(bar->findChild<QLabel*>("formsSimple")->text());
}

void StatusBar::setAutoHint(bool on) {
    if (on == autoHint_) return;
    autoHint_ = on;
    if (on)
        if (QWidget* win = windowOf(form())) win->installEventFilter(new HintWatcher(widgetOf(*this), static_cast<QStatusBar*>(widgetOf(*this))));
}

}  // namespace forms
