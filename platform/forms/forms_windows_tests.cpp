// The windows of the form runtime as the window system shows them, on real
// widgets: how a label used as a button looks right after a click, what
// "cascade" leaves of the document windows, and where and in which language
// message boxes and the standard dialogs open.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <functional>

#include "forms/Application.h"
#include "forms/Drive.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/MdiArea.h"
#include "forms/ModalProbe.h"
#include "forms/QtAccess.h"
#include "forms/Shape.h"
#include "forms/TestApplication.h"
#include "forms/WidgetAnswers.h"
#include "forms/WindowOrder.h"
#include "text/CodePage.h"

using namespace forms;
using namespace text::literals;

namespace {

// A label used as a button over a rounded shape: black with a white caption
// while the mouse is over it, a red caption while pressed, a black caption
// when released; the window's own surface puts both back to rest.
class LabelButtonForm : public Form {
public:
    LabelButtonForm() : Form("LabelButtonForm", Scale::Pixels) {}
    Shape* shape = nullptr;
    Label* label = nullptr;
    int clicks = 0;

protected:
    void createControls() override {
        setClientSize(240, 120);
        setBackColor(color::White);
        shape = add<Shape>("Shape1");
        shape->move(20, 20, 120, 30);
        shape->setKind(Shape::Kind::RoundedRectangle);
        shape->setFillStyle(Shape::Fill::Solid);
        shape->setFillColor(color::White);
        label = add<Label>("Label1");
        label->move(25, 25, 110, 20);
        label->setFont({"Arial", 9.75});
        label->setAlignment(Alignment::Center);
        label->setTransparent(true);
        label->setForeColor(color::Black);
        label->setCaption("Dodaj");
        label->onClick = [this] { ++clicks; };
        label->onMouseMove = [this](int, int, float, float) {
            shape->setFillColor(color::Black);
            label->setForeColor(color::White);
        };
        label->onMouseDown = [this](int, int, float, float) { label->setForeColor(color::Red); };
        label->onMouseUp = [this](int, int, float, float) { label->setForeColor(color::Black); };
    }
    void onMouseMove(int, int, float, float) override {
        shape->setFillColor(color::White);
        label->setForeColor(color::Black);
    }
};

// The light pixels of the control's place in its window as drawn: a black
// button with a white caption has some, a black box has none.
int lightPixels(Form& f, Control& c) {
    drive::processEvents();
    QWidget* window = windowOf(f);
    QWidget* w = widgetOf(c);
    const QImage img = window->grab().toImage();
    const QRect r(w->mapTo(window, QPoint(0, 0)), w->size());
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(img.pixel(x, y)) > 160) ++n;
    return n;
}

TEST(LabelButton, ShowsItsHoverLookAgainRightAfterAClick) {
    LabelButtonForm f;
    f.show();
    drive::mouseMove(*f.label, 5, 5);
    EXPECT_GT(lightPixels(f, *f.label), 0) << "white caption on the black shape";

    // Released over the label: the caption is white again at once, not
    // black on black until the hand moves.
    drive::click(*f.label);
    EXPECT_EQ(f.clicks, 1);
    EXPECT_GT(lightPixels(f, *f.label), 0);
    EXPECT_EQ(f.shape->fillColor(), color::Black);
    EXPECT_EQ(f.label->foreColor(), color::White);

    // Released off the label, over the window's surface: back to rest.
    drive::mouseDown(*f.label, 5, 5);
    drive::mouseUp(*f.label, 5, 70);
    drive::processEvents();
    EXPECT_EQ(f.clicks, 1);
    EXPECT_EQ(f.shape->fillColor(), color::White);
    EXPECT_EQ(f.label->foreColor(), color::Black);
    f.unload();
}

class DocumentWindow : public Form {
public:
    DocumentWindow(int width, int height) : Form("DocumentWindow", Scale::Pixels), width_(width), height_(height) {}
    const int width_, height_;
};

class MainWindow : public Form {
public:
    MainWindow() : Form("MainWindow", Scale::Pixels) {}
    MdiArea* area = nullptr;

protected:
    void createControls() override {
        setClientSize(900, 700);
        area = add<MdiArea>("MdiArea1");
    }
};

QMdiSubWindow* subWindowOf(Form& child) { return qobject_cast<QMdiSubWindow*>(windowOf(child)->parentWidget()); }

TEST(MdiAreaWindows, CascadeKeepsEachWindowAWorkingSize) {
    MainWindow main;
    main.show();
    DocumentWindow small(420, 300), large(700, 520), maximised(500, 400);
    for (DocumentWindow* d : {&small, &large, &maximised}) {
        main.area->addChild(*d);
        main.area->setChildClientSize(*d, d->width_, d->height_);
    }
    drive::processEvents();
    const QSize smallSize = subWindowOf(small)->size(), largeSize = subWindowOf(large)->size();
    subWindowOf(maximised)->showMaximized();
    main.area->activateChild(large);
    drive::processEvents();

    main.area->cascade();
    drive::processEvents();
    auto* area = static_cast<QMdiArea*>(widgetOf(*main.area));
    const QRect room = area->viewport()->rect();
    // The active window comes last, on top, and stays the active one.
    std::vector<QMdiSubWindow*> order = {subWindowOf(small), subWindowOf(maximised), subWindowOf(large)};
    EXPECT_EQ(area->activeSubWindow(), subWindowOf(large));
    EXPECT_EQ(area->subWindowList(QMdiArea::StackingOrder).back(), subWindowOf(large));
    EXPECT_FALSE(subWindowOf(maximised)->isMaximized());
    for (std::size_t i = 0; i < order.size(); ++i) {
        const QRect g = order[i]->geometry();
        EXPECT_TRUE(room.contains(g)) << i;
        EXPECT_GE(g.width(), room.width() / 3) << i;
        EXPECT_GE(g.height(), room.height() / 3) << i;
        if (i > 0) {
            EXPECT_GT(g.left(), order[i - 1]->geometry().left()) << i;
            EXPECT_GT(g.top(), order[i - 1]->geometry().top()) << i;
        }
    }
    // A window that fits keeps its own size; one that would reach past the
    // area is cut to it.
    EXPECT_EQ(subWindowOf(small)->size(), smallSize);
    EXPECT_EQ(subWindowOf(large)->width(), largeSize.width());
    EXPECT_EQ(subWindowOf(large)->geometry().bottom(), std::min(room.bottom(), subWindowOf(large)->geometry().top() + largeSize.height() - 1));
    main.unload();
}

// A window that stays on top, as the print list and the update window do.
class KeptOnTop : public Form {
public:
    KeptOnTop() : Form("KeptOnTop", Scale::Pixels) {}

protected:
    void createControls() override { setClientSize(300, 200); }
};

TEST(ModalWindows, OpenAboveWindowsKeptOnTopWithTheirOwnTitlesAndPolishButtons) {
    KeptOnTop top;
    top.show();
    setWindowOrder(top, WindowOrder::Topmost);
    Application::setTitle("Wortel");
    WidgetAnswers answers;
    std::string text;
    std::uint32_t colour = 0;
    struct Case {
        const char* what;
        std::function<void()> open;
        std::string title;  // empty: not checked
        bool hasCancel;
    };
    const Case cases[] = {
        {"message box", [&] { answers.messageBox("Tekst", "Porada", mb::OkOnly); }, "Porada", false},
        {"message box of the program", [&] { answers.messageBox("Tekst", "", mb::OkCancel); }, "Wortel", true},
        {"input box", [&] { answers.inputBox("Nadaj tytuł liście słów do druku:"_w, "Drukuj", "", text); }, "Drukuj", true},
        {"colour dialog", [&] { answers.colorDialog(0x0000FF, colour); }, "", true},
        {"file dialog", [&] { answers.fileDialog({FileDialogRequest::Open, "Otwórz"_w, "Wszystkie|*.*", "/", ""}, text); },
         "Otwórz"_w, true},
        {"folder dialog", [&] { answers.folderDialog("Wybierz katalog", "/", text); }, "Wybierz katalog", true},
    };
    for (const auto& c : cases) {
        const bool opened = drive::whileModalOpen(c.open, [&](QWidget& m) {
            EXPECT_TRUE(m.windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << c.what;
            if (!c.title.empty()) EXPECT_EQ(ansiOf(m.windowTitle()), c.title) << c.what;
            bool cancel = false;
            for (QAbstractButton* b : m.findChildren<QAbstractButton*>())
                if (b->isVisible() && b->text() == QStringLiteral("Anuluj")) cancel = true;
            EXPECT_EQ(cancel, c.hasCancel) << c.what;
        });
        EXPECT_TRUE(opened) << c.what;
    }
    // With nothing kept on top a dialog is an ordinary window.
    top.unload();
    EXPECT_TRUE(drive::whileModalOpen([&] { answers.messageBox("Tekst", "Porada", mb::OkOnly); }, [](QWidget& m) {
        EXPECT_FALSE(m.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }));
}

}  // namespace
