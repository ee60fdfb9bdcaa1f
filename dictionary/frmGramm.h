#pragma once
// The page viewer: the grammar supplement with its 18 topics, the
// pronunciation advice and the links page, in a browser of its own with
// back, forward and print buttons. One window for the whole run; an opener
// sets its titles and page.
#include <functional>
#include <string>

#include "forms/Form.h"

namespace browser {
class WebBrowser;
}
namespace forms {
class ComboBox;
class Label;
class Shape;
}  // namespace forms

namespace dictionary {

class frmGramm : public forms::Form {
public:
    frmGramm();

    // The three pages an opener shows.
    enum class Page { Links, Pronunciation, Grammar };
    // Loads the window when needed, shows it and puts the page in it;
    // false when the page could not be navigated to (the window is then
    // closed and "Błąd" shown).
    bool open(Page page);

    forms::Label *Label3 = nullptr, *Label1 = nullptr, *Label4 = nullptr, *Label5 = nullptr, *Label2 = nullptr;
    forms::Shape *Shape1 = nullptr, *Shape2 = nullptr, *Shape3 = nullptr;
    forms::ComboBox* Combo1 = nullptr;
    browser::WebBrowser* WebBrowser1 = nullptr;

    void Form_Load();
    void Combo1_Click();
    void Label4_Click();
    void Label5_Click();
    void Label2_Click();
    void Form_MouseMove();

    // Runs the browser's page setup and print dialogs on the page shown;
    // tests put their own in place of the platform's dialogs.
    std::function<void(browser::WebBrowser&)> printPage;

protected:
    void createControls() override;
    void onLoad() override { Form_Load(); }
    void onMouseMove(int, int, float, float) override { Form_MouseMove(); }

private:
    void setGrammarControls(bool visible);
    void wireButton(forms::Label* label, forms::Shape* frame, void (frmGramm::*click)());
    std::string pagePath(const std::string& name) const;
    bool loading_ = false;
};

}  // namespace dictionary
