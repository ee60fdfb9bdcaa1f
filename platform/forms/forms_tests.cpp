#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QLabel>

#include <map>

#include "forms/Application.h"
#include "forms/TestApplication.h"
#include "forms/CheckBox.h"
#include "forms/ComboBox.h"
#include "forms/Frame.h"
#include "forms/OptionButton.h"
#include "forms/PictureBox.h"
#include "forms/QtAccess.h"
#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/ListBox.h"
#include "forms/ScriptedAnswers.h"
#include "forms/Shape.h"
#include "forms/Drive.h"
#include "forms/TextBox.h"
#include "forms/Timer.h"
#include "forms/WidgetAnswers.h"
#include "text/CodePage.h"

using namespace forms;
using namespace text::literals;

namespace {

// A form that records its lifecycle and holds a few controls.
class Probe : public Form {
public:
    explicit Probe(Scale s = Scale::Twips) : Form("Probe", s) {}
    int loads = 0, unloads = 0;
    bool cancelUnload = false;
    std::vector<int> previewKeys;
    int backgroundMoves = 0;
    Label* label = nullptr;
    TextBox* box = nullptr;
    ListBox* list = nullptr;
    CommandButton* ok = nullptr;
    int persistent = 0;  // a member of the form's code: kept across reloads

protected:
    void createControls() override {
        label = add<Label>("Label1");
        label->move(150, 150, 1500, 300);
        label->setCaption("Start");
        box = add<TextBox>("Text1");
        box->move(150, 600, 1500, 300);
        list = add<ListBox>("List1");
        list->move(150, 1050, 1500, 1500);
        ok = add<CommandButton>("cmdOK");
        ok->move(1800, 150, 900, 300);
    }
    void onLoad() override { ++loads; }
    void onUnload(bool& cancel) override {
        cancel = cancelUnload;
        if (!cancel) ++unloads;
    }
    void onKeyDown(int& code, int) override {
        previewKeys.push_back(code);
        if (code == key::F12) code = 0;  // swallowed by the form
    }
    void onMouseMove(int, int, float, float) override { ++backgroundMoves; }
};

class FormsTest : public ::testing::Test {
protected:
    void SetUp() override { setModal(&answers); }
    void TearDown() override {
        setModal(nullptr);
        drive::processEvents();
    }
    ScriptedAnswers answers;
};

TEST_F(FormsTest, LoadShowUnloadReloadLifecycle) {
    Probe f;
    EXPECT_FALSE(f.isLoaded());
    f.show();
    f.show();  // an open window is only brought to the front
    EXPECT_TRUE(f.isLoaded());
    EXPECT_EQ(f.loads, 1);
    f.label->setCaption("Changed");
    f.persistent = 7;

    f.cancelUnload = true;
    EXPECT_FALSE(f.unload());
    EXPECT_TRUE(f.isLoaded());

    f.cancelUnload = false;
    EXPECT_TRUE(f.unload());
    EXPECT_FALSE(f.isLoaded());
    EXPECT_EQ(f.unloads, 1);

    f.show();  // loads afresh: controls as built, the load handler again
    EXPECT_EQ(f.loads, 2);
    EXPECT_EQ(f.label->caption(), "Start");
    EXPECT_EQ(f.persistent, 7);
}

TEST_F(FormsTest, UserCloseUnloadsUnlessCancelled) {
    Probe f;
    f.show();
    f.cancelUnload = true;
    drive::closeByUser(f);
    EXPECT_TRUE(f.isLoaded());
    f.cancelUnload = false;
    drive::closeByUser(f);
    EXPECT_FALSE(f.isLoaded());
    EXPECT_EQ(f.unloads, 1);
}

TEST_F(FormsTest, GeometryInTwipsAndPixels) {
    Probe t;
    t.load();
    t.setClientSize(7365, 6270);
    EXPECT_EQ(t.clientWidth(), 7365 / 15 * 15);
    t.label->move(90, 720, 2535, 300);
    EXPECT_EQ(t.label->left(), 90);
    EXPECT_EQ(t.label->width(), 2535);
    EXPECT_EQ(t.toPixels(2535), 169);

    Probe p(Scale::Pixels);
    p.load();
    p.label->move(10, 20, 100, 30);
    EXPECT_EQ(p.label->left(), 10);
    EXPECT_EQ(p.label->height(), 30);
    t.unload();
    p.unload();
}

TEST_F(FormsTest, ModalResultReturnsFromShowModal) {
    Probe f(Scale::Pixels);
    drive::setModalHook([](Form& m) { m.setModalResult(1); });
    EXPECT_EQ(f.showModal(), 1);
    EXPECT_TRUE(f.isLoaded());  // a modal dialog is hidden, not unloaded
    EXPECT_FALSE(f.visible());
    drive::setModalHook([](Form& m) {
        auto* p = static_cast<Probe*>(&m);
        p->ok->onClick = [&m] { m.setModalResult(2); };
        drive::click(*p->ok);
    });
    EXPECT_EQ(f.showModal(), 2);
    // The close box cancels a modal dialog.
    drive::setModalHook([](Form& m) { drive::closeByUser(m); });
    EXPECT_EQ(f.showModal(), 2);
    EXPECT_TRUE(f.isLoaded());
    drive::setModalHook(nullptr);
    f.unload();
}

TEST_F(FormsTest, SortedListIsCaseInsensitiveAndStable) {
    Probe f;
    f.show();
    ListBox& l = *f.list;
    for (const char* s : {"essen", "Haus", "Essen", "auto", "ESSEN", "Zug"}) l.addItem(s);
    std::vector<std::string> want = {"auto", "essen", "Essen", "ESSEN", "Haus", "Zug"};
    EXPECT_EQ(l.items(), want);
    // The view shows them once events have run.
    drive::processEvents();
    auto* view = static_cast<QAbstractItemView*>(widgetOf(l));
    ASSERT_EQ(view->model()->rowCount(), 6);
    EXPECT_EQ(view->model()->index(2, 0).data().toString(), QStringLiteral("Essen"));

    // A bulk load merges in the same order as adding one at a time.
    ListBox& b = *f.add<ListBox>("Bulk");
    b.addItems({"essen", "Haus", "Essen"});
    b.addItems({"auto", "ESSEN", "Zug"});
    EXPECT_EQ(b.items(), want);

    // German and Polish letters sort beside their base letter.
    ListBox& g = *f.add<ListBox>("Letters");
    g.addItems({"b"_w, "ä"_w, "a"_w, "ł"_w, "l"_w, "ß"_w, "sr"_w, "st"_w});
    EXPECT_EQ(g.items(), (std::vector<std::string>{"a"_w, "ä"_w, "b"_w, "l"_w, "ł"_w, "sr"_w, "ß"_w, "st"_w}));
}

TEST_F(FormsTest, ListSelectionRaisesEventEveryTimeItIsSet) {
    Probe f;
    f.show();
    ListBox& l = *f.list;
    l.addItems({"Haus", "essen", "Essen"});
    std::vector<std::string> seen;
    l.onClick = [&] { seen.push_back(l.text()); };

    l.setListIndex(0);
    l.setListIndex(0);  // the same item again: raised again
    EXPECT_TRUE(l.setText("ESSEN"));  // first equal without regard to case
    EXPECT_EQ(l.listIndex(), 0);
    EXPECT_FALSE(l.setText("Auto"));  // none equal: the selection stays
    EXPECT_EQ(l.listIndex(), 0);
    l.setListIndex(-1);  // clearing raises nothing
    EXPECT_EQ(l.text(), "");
    l.setListIndex(5);  // outside the list: ignored
    EXPECT_EQ(l.listIndex(), -1);
    EXPECT_EQ(seen, (std::vector<std::string>{"essen", "essen", "essen"}));
    EXPECT_EQ(l.list(2), "Haus");
    EXPECT_EQ(l.list(3), "");
    EXPECT_EQ(l.listCount(), 3);

    // Keyboard movement in the list selects, and so raises the event.
    l.setListIndex(0);
    l.setFocus();
    drive::pressKey(l, key::Down);
    EXPECT_EQ(l.listIndex(), 1);
    EXPECT_EQ(seen.back(), "Essen");
}

TEST_F(FormsTest, AddingKeepsTheSelectedItemSelected) {
    Probe f;
    f.show();
    ListBox& l = *f.list;
    l.addItems({"b", "d"});
    l.setListIndex(1);
    l.addItem("a");
    EXPECT_EQ(l.text(), "d");
    l.addItems({"c", "e", "D"});
    EXPECT_EQ(l.text(), "d");
    EXPECT_EQ(l.listIndex(), 3);
    l.removeItem(0);
    EXPECT_EQ(l.text(), "d");
}

TEST_F(FormsTest, TextBoxKeysAndSelection) {
    Probe f;
    f.show();
    TextBox& t = *f.box;
    int changes = 0;
    std::vector<int> downs;
    t.onChange = [&] { ++changes; };
    t.onKeyDown = [&](int& code, int) { downs.push_back(code); };
    t.onKeyPress = [&](int& ascii) {
        if (ascii == 13) ascii = 0;      // Enter discarded
        if (ascii == 'x') ascii = 'y';  // a replaced character
    };
    t.setFocus();
    drive::typeText(t, "hax");
    drive::pressKey(t, key::Return);
    EXPECT_EQ(t.text(), "hay");
    EXPECT_EQ(changes, 3);
    drive::pressKey(t, key::F3);
    drive::pressKey(t, key::Up);
    EXPECT_EQ(downs, (std::vector<int>{'H', 'A', 'X', key::Return, key::F3, key::Up}));

    t.setText("Haus");
    t.setSelStart(1);
    t.setSelLength(2);
    EXPECT_EQ(t.selText(), "au");
    t.setSelText("ä"_w);
    EXPECT_EQ(t.text(), "Häs"_w);
    EXPECT_EQ(t.selStart(), 2);
    EXPECT_EQ(t.selLength(), 0);

    // Characters Windows-1250 cannot hold are not typed.
    t.setText("");
    drive::typeText(t, "a");
    EXPECT_EQ(t.text(), "a");
}

TEST_F(FormsTest, KeyPreviewSeesKeysFirstAndMaySwallowThem) {
    Probe f;
    f.show();
    std::vector<int> control;
    f.box->onKeyDown = [&](int& code, int) { control.push_back(code); };
    f.setKeyPreview(true);
    f.box->setFocus();
    drive::pressKey(*f.box, key::Escape);
    drive::pressKey(*f.box, key::F12);
    EXPECT_EQ(f.previewKeys, (std::vector<int>{key::Escape, key::F12}));
    EXPECT_EQ(control, (std::vector<int>{key::Escape}));
}

TEST_F(FormsTest, MouseOverControlIsNotOverTheBackground) {
    Probe f;
    f.show();
    int clicks = 0, moves = 0;
    f.label->onClick = [&] { ++clicks; };
    f.label->onMouseMove = [&](int, int, float, float) { ++moves; };
    drive::mouseMove(*f.label, 30, 30);
    drive::click(*f.label);
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(clicks, 1);
    // A double click: one click, then the double click, as on the platform.
    int doubles = 0;
    f.label->onDblClick = [&] { ++doubles; };
    drive::doubleClick(*f.label);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(doubles, 1);
    EXPECT_EQ(f.backgroundMoves, 0);
    drive::mouseMoveOnForm(f, 4000, 4000);
    EXPECT_EQ(f.backgroundMoves, 1);

    // A shape takes no mouse events: the background under it gets them.
    auto* s = f.add<Shape>("Shape1");
    s->move(3000, 3000, 1500, 600);
    drive::mouseMoveOnForm(f, 3300, 3300);
    EXPECT_EQ(f.backgroundMoves, 2);
}

TEST_F(FormsTest, ButtonUnloadingItsFormDoesNotCrash) {
    Probe f;
    f.show();
    f.ok->onClick = [&] { f.unload(); };
    drive::click(*f.ok);
    EXPECT_FALSE(f.isLoaded());
    drive::processEvents();
}

TEST_F(FormsTest, TimerFiresWhileEnabled) {
    Probe f;
    f.show();
    auto* t = f.add<Timer>("Timer1", 5, true);
    int n = 0;
    t->onTimer = [&] {
        ++n;
        t->setEnabled(false);
    };
    for (int i = 0; i < 200 && n == 0; ++i) {
        drive::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    EXPECT_EQ(n, 1);
}

TEST_F(FormsTest, EnterAndEscPressTheDefaultAndCancelButtons) {
    Probe f(Scale::Pixels);
    f.load();
    auto* cancel = f.add<CommandButton>("cmdCancel");
    std::vector<std::string> pressed;
    f.ok->onClick = [&] { pressed.push_back("ok"); };
    cancel->onClick = [&] { pressed.push_back("cancel"); };
    f.ok->setDefault(true);
    cancel->setCancel(true);
    f.show();
    f.box->setFocus();
    drive::pressKey(*f.box, key::Return);
    drive::pressKey(*f.box, key::Escape);
    drive::pressKey(*cancel, key::Return);  // Enter on a focused button presses that button
    EXPECT_EQ(pressed, (std::vector<std::string>{"ok", "cancel", "cancel"}));
    // With key preview the form's handler comes first and may take the key.
    f.setKeyPreview(true);
    f.previewKeys.clear();
    drive::pressKey(*f.box, key::F12);
    EXPECT_EQ(pressed.size(), 3u);
    f.unload();
}

TEST_F(FormsTest, OptionGroupsCheckBoxesAndCombos) {
    Probe f;
    f.show();
    auto* frame = f.add<Frame>("Frame1");
    frame->move(3000, 150, 3000, 2000);
    frame->setCaption("Szukaj wyrazu:"_w);
    std::vector<OptionButton*> inFrame;
    for (int i = 0; i < 3; ++i) {
        inFrame.push_back(f.add<OptionButton>("Option" + std::to_string(i + 1), frame));
        inFrame.back()->move(100, 300 + i * 400, 2500, 300);
    }
    auto* onForm = f.add<OptionButton>("OptionForm");
    onForm->setValue(true);
    int clicks = 0;
    inFrame[2]->onClick = [&] { ++clicks; };
    inFrame[1]->setValue(true);
    inFrame[2]->setValue(true);
    EXPECT_FALSE(inFrame[1]->value());
    EXPECT_TRUE(inFrame[2]->value());
    EXPECT_TRUE(onForm->value());  // another container: another group
    EXPECT_EQ(clicks, 1);

    auto* check = f.add<CheckBox>("Check1");
    int checks = 0;
    check->onClick = [&] { ++checks; };
    check->setValue(1);
    EXPECT_TRUE(check->checked());
    check->setValue(0);
    EXPECT_EQ(checks, 2);

    auto* combo = f.add<ComboBox>("Combo1", nullptr, ComboBox::Style::DropDownList, true);
    for (const char* s : {"rzeczownik", "czasownik", "przymiotnik"}) combo->addItem(s);
    EXPECT_EQ(combo->list(0), "czasownik");
    EXPECT_EQ(combo->list(2), "rzeczownik");
    combo->setText("PRZYMIOTNIK");
    EXPECT_EQ(combo->text(), "przymiotnik");
    combo->setText("nic");
    EXPECT_EQ(combo->listIndex(), 1);
    auto* edit = f.add<ComboBox>("Combo2");
    int changes = 0;
    edit->onChange = [&] { ++changes; };
    edit->addItem("Arial");
    edit->setText("Verdana");
    EXPECT_EQ(edit->text(), "Verdana");
    EXPECT_EQ(changes, 1);
}

TEST(WidgetAnswersTest, FileDialogFilters) {
    struct Case {
        const char* platform;
        const char* dialog;
    };
    const Case cases[] = {
        {"Strony HTML (*.html)|*.html|Wszystkie pliki|*.*", "Strony HTML (*.html);;Wszystkie pliki (*.*)"},
        {"Obrazki|*.jpg;*.gif", "Obrazki (*.jpg *.gif)"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(dialogFilter(c.platform), c.dialog) << c.platform;
}

TEST(WidgetAnswersTest, AMessageBoxNeverGrowsPastTheScreen) {
    struct Case {
        const char* name;
        std::string text;
        bool cut;
    };
    std::string words;
    for (int i = 0; i < 40000; ++i) words += "słowo "_w;
    const Case cases[] = {
        {"short", "Brak aktualizacji.", false},
        {"long words", words, true},
        {"one long run", std::string(300000, 'x'), true},
    };
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QRect shown;
        QString text;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            shown = box->frameGeometry();
            text = box->text();
            box->buttons().front()->click();
        });
        WidgetAnswers answers;
        answers.messageBox(c.text, "Aktualizacja", mb::YesNo);
        EXPECT_LE(shown.height(), screen.height());
        EXPECT_LE(shown.width(), screen.width());
        EXPECT_EQ(text.endsWith(QChar(0x2026)), c.cut);
        if (!c.cut) EXPECT_EQ(text, QString::fromStdString(c.text));
    }
}

TEST_F(FormsTest, HostsAWidgetMadeElsewhere) {
    Probe f;
    f.show();
    auto* label = new QLabel(QStringLiteral("hosted"));
    auto* hosted = f.add<HostedControl>("zorbLink1", label);
    hosted->move(150, 3000, 1500, 300);
    EXPECT_EQ(label->parentWidget(), clientOf(f));
    EXPECT_EQ(label->geometry(), QRect(10, 200, 100, 20));
    QPointer<QLabel> alive(label);
    f.unload();
    drive::processEvents();
    EXPECT_TRUE(alive.isNull());  // freed with the window
}

// Records the mouse events of the form's bare background.
class Background : public Form {
public:
    Background() : Form("Background", Scale::Pixels) {}
    std::vector<std::string> seen;

protected:
    void onMouseMove(int, int, float, float) override { seen.push_back("move"); }
    void onMouseDown(int, int, float, float) override { seen.push_back("down"); }
    void onMouseUp(int, int, float, float) override { seen.push_back("up"); }
    void onClick() override { seen.push_back("click"); }
};

void record(Control& c, std::vector<std::string>& log) {
    c.onMouseMove = [&log](int, int, float, float) { log.push_back("move"); };
    c.onMouseDown = [&log](int, int, float, float) { log.push_back("down"); };
    c.onMouseUp = [&log](int, int, float, float) { log.push_back("up"); };
    c.onClick = [&log] { log.push_back("click"); };
}

TEST_F(FormsTest, DisabledControlLeavesTheMouseToWhatLiesUnderIt) {
    Background f;
    f.show();
    auto* label = f.add<Label>("Label1");
    label->move(10, 10, 100, 20);
    auto* button = f.add<CommandButton>("Command1");
    button->move(10, 40, 100, 25);
    auto* list = f.add<ListBox>("List1");
    list->move(10, 80, 100, 100);
    std::vector<std::string> many;
    for (int i = 0; i < 20; ++i) many.push_back("w" + std::to_string(i + 10));
    list->addItems(many);
    auto* picture = f.add<PictureBox>("Picture1");
    picture->move(150, 10, 150, 100);
    auto* inPicture = f.add<Label>("Label2", picture);
    inPicture->move(10, 10, 100, 20);
    auto* frame = f.add<Frame>("Frame1");
    frame->move(150, 130, 150, 100);
    auto* inFrame = f.add<Label>("Label3", frame);
    inFrame->move(10, 30, 100, 20);
    drive::processEvents();

    std::map<std::string, std::vector<std::string>> logs;
    for (Control* c : std::initializer_list<Control*>{label, button, list, picture, inPicture, frame, inFrame})
        record(*c, logs[c->name()]);
    struct Case {
        Control* target;    // where the mouse is
        Control* disabled;  // the control disabled
        std::string under;  // who gets the events then ("" the form)
    };
    const Case cases[] = {
        {label, label, ""},                // a label used as a button
        {button, button, ""},              // a widget that would swallow them
        {list, list, ""},                  // events come to the list's inside
        {inPicture, inPicture, "Picture1"},  // the container underneath
        {inFrame, frame, ""},              // in a disabled container
    };
    const std::vector<std::string> all = {"move", "down", "up", "click"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target->name());
        auto& under = c.under.empty() ? f.seen : logs[c.under];
        auto clearLogs = [&] {
            f.seen.clear();
            for (auto& [name, log] : logs) log.clear();
        };
        clearLogs();
        list->setListIndex(-1);
        c.disabled->setEnabled(false);
        drive::mouseMove(*c.target, 3, 3);
        drive::click(*c.target);
        EXPECT_EQ(under, all);
        for (auto& [name, log] : logs)
            if (name != c.under) EXPECT_TRUE(log.empty()) << name;
        EXPECT_EQ(list->listIndex(), -1);  // a disabled list is not selected from

        clearLogs();
        c.disabled->setEnabled(true);
        drive::mouseMove(*c.target, 3, 3);
        drive::click(*c.target);
        auto& own = logs[c.target->name()];
        EXPECT_NE(std::find(own.begin(), own.end(), "down"), own.end());
        EXPECT_NE(std::find(own.begin(), own.end(), "click"), own.end());
        EXPECT_TRUE(under.empty());
    }
}

TEST_F(FormsTest, RemovingItemsMovesNoSelectionAndRaisesNothing) {
    Probe f;
    f.show();
    struct Case {
        int selected, removed;
        int index;  // the selection afterwards
        const char* text;
    };
    const Case cases[] = {
        {1, 1, -1, ""},   // the selected item: none is selected, not the next
        {2, 2, -1, ""},   // the last one, selected: not the one before
        {0, 0, -1, ""},
        {2, 0, 1, "c"},   // an item before it: the same item, one up
        {0, 2, 0, "a"},   // an item after it
        {-1, 1, -1, ""},  // none selected
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.selected << " remove " << c.removed);
        auto& l = *f.add<ListBox>("List" + std::to_string(++n), nullptr, false);
        l.move(3000, 150, 1500, 1500);
        l.addItems({"a", "b", "c"});
        l.setListIndex(c.selected);
        int clicks = 0;
        l.onClick = [&] { ++clicks; };
        l.removeItem(c.removed);
        drive::processEvents();
        EXPECT_EQ(clicks, 0);
        EXPECT_EQ(l.listIndex(), c.index);
        EXPECT_EQ(l.text(), c.text);
        // The view shows the same selection.
        auto* view = static_cast<QAbstractItemView*>(widgetOf(l));
        QModelIndex current = view->selectionModel()->currentIndex();
        EXPECT_EQ(current.isValid() ? current.row() : -1, c.index);
        EXPECT_EQ(view->selectionModel()->selectedIndexes().size(), c.index >= 0 ? 1 : 0);
        l.setVisible(false);
    }
}

TEST_F(FormsTest, UserSelectsAListItemByALeftClickOnIt) {
    Probe f;
    f.show();
    ListBox& l = *f.list;
    std::vector<std::string> many;
    for (int i = 0; i < 30; ++i) many.push_back("w" + std::to_string(i + 10));
    l.addItems(many);
    drive::processEvents();
    auto* view = static_cast<QAbstractItemView*>(widgetOf(l));
    const int row = view->indexAt(view->viewport()->rect().center()).row();
    ASSERT_GE(row, 0);
    int clicks = 0, doubles = 0;
    l.onClick = [&] { ++clicks; };
    l.onDblClick = [&] { ++doubles; };
    // Getting the focus selects nothing.
    f.box->setFocus();
    l.setFocus();
    drive::processEvents();
    ASSERT_TRUE(l.hasFocus());
    EXPECT_EQ(l.listIndex(), -1);
    EXPECT_EQ(clicks, 0);
    drive::click(l);
    EXPECT_EQ(l.listIndex(), row);
    EXPECT_EQ(clicks, 1);
    drive::click(l);  // the same item again
    EXPECT_EQ(clicks, 2);
    drive::doubleClick(l);  // one click, then the double click
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(doubles, 1);
    // A press elsewhere after the selection was set by code is a new selection.
    l.setListIndex(0);
    EXPECT_EQ(clicks, 4);
    drive::click(l);
    EXPECT_EQ(clicks, 5);
    EXPECT_EQ(l.listIndex(), row);

    // The right button selects nothing, but the list sees it.
    int rightDowns = 0;
    l.onMouseDown = [&](int button, int, float, float) { rightDowns += button == 2; };
    l.setListIndex(0);
    clicks = 0;
    QWidget* vp = view->viewport();
    const QPointF mid = vp->rect().center();
    for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(type, mid, vp->mapToGlobal(mid), Qt::RightButton,
                      type == QEvent::MouseButtonPress ? Qt::RightButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(vp, &e);
    }
    EXPECT_EQ(rightDowns, 1);
    EXPECT_EQ(l.listIndex(), 0);
    EXPECT_EQ(clicks, 0);

    // A click below the last item leaves the selection as it is, shown.
    ListBox& few = *f.add<ListBox>("Few");
    few.move(3000, 150, 1500, 1500);
    few.addItems({"a", "b"});
    few.setListIndex(0);
    drive::processEvents();
    auto* fewView = static_cast<QAbstractItemView*>(widgetOf(few));
    ASSERT_FALSE(fewView->indexAt(fewView->viewport()->rect().center()).isValid());
    drive::click(few);
    EXPECT_EQ(few.listIndex(), 0);
    EXPECT_EQ(fewView->selectionModel()->selectedIndexes().size(), 1);
    EXPECT_EQ(fewView->selectionModel()->currentIndex().row(), 0);
}

TEST_F(FormsTest, ComboSelectionOnlyByCodeOrUser) {
    Probe f;
    f.show();
    for (auto style : {ComboBox::Style::DropDownList, ComboBox::Style::DropDown}) {
        const bool typed = style == ComboBox::Style::DropDown;
        SCOPED_TRACE(typed ? "DropDown" : "DropDownList");
        auto& c = *f.add<ComboBox>(typed ? "Combo2" : "Combo1", nullptr, style);
        int clicks = 0, changes = 0;
        c.onClick = [&] { ++clicks; };
        c.onChange = [&] { ++changes; };
        if (typed) c.setText("Verdana");
        changes = 0;
        for (const char* s : {"a", "b", "c"}) c.addItem(s);
        // Adding selects nothing, also the first item in an empty list.
        EXPECT_EQ(c.listIndex(), -1);
        EXPECT_EQ(c.text(), typed ? "Verdana" : "");
        c.setListIndex(2);
        EXPECT_EQ(clicks, 1);
        changes = 0;
        c.removeItem(0);  // before the selected one: the same item, one up
        EXPECT_EQ(c.listIndex(), 1);
        EXPECT_EQ(c.text(), "c");
        c.removeItem(1);  // the selected one: none, not a neighbour
        EXPECT_EQ(c.listIndex(), -1);
        EXPECT_EQ(c.text(), typed ? "c" : "");  // a typed text stays
        EXPECT_EQ(clicks, 1);
        EXPECT_EQ(changes, 0);
        if (typed) {
            // Typing an item's text and Enter is no choice from the list.
            c.setText("");
            c.setFocus();
            drive::typeText(c, "ver");
            EXPECT_EQ(c.text(), "ver");  // nothing completed
            c.addItem("verdana");
            drive::typeText(c, "dana");
            drive::pressKey(c, key::Return);
            EXPECT_EQ(c.text(), "verdana");
            EXPECT_EQ(c.listIndex(), -1);
            EXPECT_EQ(clicks, 1);
        } else {
            // The keyboard in a pick list selects: the user's choice.
            c.setFocus();
            drive::pressKey(c, key::Down);
            EXPECT_EQ(c.listIndex(), 0);
            EXPECT_EQ(clicks, 2);
        }
    }
}

}  // namespace
