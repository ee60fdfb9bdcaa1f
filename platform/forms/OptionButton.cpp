#include "forms/OptionButton.h"

#include <QRadioButton>
#include <QResizeEvent>
#include <QStyle>
#include <QStringList>

#include "forms/EventBridge.h"
#include "forms/QtAccess.h"

namespace forms {

namespace {
// A caption longer than the button is wide goes on as many lines as it
// needs, broken at blanks, as the platform's option buttons show it.
class WrappingRadio : public QRadioButton {
public:
    void setCaption(const QString& caption) {
        caption_ = caption;
        rewrap();
    }

protected:
    void resizeEvent(QResizeEvent* e) override {
        QRadioButton::resizeEvent(e);
        rewrap();
    }

private:
    void rewrap() {
        const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this) +
                              style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, this);
        const int room = width() - indicator - 4;
        const QFontMetrics fm(font());
        if (room <= 0 || fm.horizontalAdvance(caption_) <= room) {
            setText(caption_);
            return;
        }
        QStringList lines;
        QString line;
        for (const QString& word : caption_.split(QLatin1Char(' '))) {
            const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (!line.isEmpty() && fm.horizontalAdvance(longer) > room) {
                lines << line;
                line = word;
            } else {
                line = longer;
            }
        }
        lines << line;
        setText(lines.join(QLatin1Char('\n')));
    }

    QString caption_;
};

WrappingRadio* buttonOf(const Control& c) { return static_cast<WrappingRadio*>(widgetOf(c)); }
}  // namespace

OptionButton::OptionButton(Form& form, std::string name, Control* container)
    : Control(form, std::move(name), container) {
    auto* b = new WrappingRadio;
    b->setAutoExclusive(true);  // exclusive among the buttons of one parent widget
    attachWidget(*this, b);
    impl().synthesizeClick = false;
    QObject::connect(b, &QRadioButton::toggled, impl().bridge, [this](bool on) {
        if (!on) return;
        if (auto fn = onClick) fn();
    });
}

void OptionButton::setCaption(const std::string& caption) {
    caption_ = caption;
    buttonOf(*this)->setCaption(qs(caption));
}
std::string OptionButton::caption() const { return caption_; }

void OptionButton::setValue(bool on) {
    if (on) {
        buttonOf(*this)->setChecked(true);
        return;
    }
    // Clearing the set button of a group leaves none set, as code may.
    auto* b = buttonOf(*this);
    b->setAutoExclusive(false);
    b->setChecked(false);
    b->setAutoExclusive(true);
}
bool OptionButton::value() const { return buttonOf(*this)->isChecked(); }

}  // namespace forms
