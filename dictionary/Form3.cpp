#include "dictionary/Form3.h"

#include "forms/Application.h"
#include "forms/Label.h"
#include "forms/ListBox.h"
#include "text/CodePage.h"

namespace dictionary {

Form3::Form3() : forms::Form("Form3") {}

std::vector<std::string> Form3::abbreviations() {
    const char* const items[] = {
        "anat. - anatomia",     "bot. - botanika",     "chem. - chemia",        "ekon. - ekonomia",
        "gastr. - gastronomia", "geo. - geografia",    "hist. - historia",      "infor. - informatyka",
        "jęz. - językoznawstwo", "lit. - jęz. literacki", "mat. - matematyka",  "med. - medycyna",
        "mil. - militarystyka", "muz. - muzyka",       "polit. - polityka",     "POR. - porównaj",
        "pot. - język potoczny", "sport - sport",      "tech. - technika",      "wulg. - wulgaryzm",
        "zool. - zoologia",
    };
    std::vector<std::string> v;
    for (const char* i : items) v.push_back(text::ansi(i));
    return v;
}

void Form3::createControls() {
    setCaption(text::ansi("Skróty"));
    setBorder(Border::Fixed);
    setMinButton(false);
    setMaxButton(false);
    setBackColor(0xFFFFFF);
    setClientSize(4350, 2700);

    Label1 = add<forms::Label>("Label1");
    Label1->move(180, 135, 3570, 375);
    forms::Font f;
    f.name = "Arial";
    f.size = 14.25;
    f.bold = true;
    f.italic = true;
    f.charset = 238;
    Label1->setFont(f);
    Label1->setCaption(text::ansi("Skróty użyte w Wortel:"));

    List1 = add<forms::ListBox>("List1", nullptr, true);
    List1->move(180, 540, 3930, 1980);
    List1->addItems(abbreviations());
    centre();
}

void Form3::onLoad() { setIcon(forms::Application::programFolder() + "/ikona.ico"); }

}  // namespace dictionary
