#include "forms/Form.h"

#include <QAction>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

#include "forms/Application.h"
#include "forms/Control.h"
#include "forms/FormClient.h"
#include "forms/FormEvents.h"
#include "forms/FormWindow.h"
#include "forms/QtAccess.h"
#include "forms/Drive.h"
#include "text/Paths.h"

namespace forms {

namespace {
std::function<void(Form&)>& modalHook() {
    static std::function<void(Form&)> hook;
    return hook;
}
std::vector<Form*>& allForms() {
    static std::vector<Form*> forms;
    return forms;
}
// The window frame around the client area, nominal so that sizes read the
// same on every desktop.
int frameExtraW(Form::Border b) { return b == Form::Border::None ? 0 : 8; }
int frameExtraH(Form::Border b) { return b == Form::Border::None ? 0 : 30; }
}  // namespace

namespace drive {
void setModalHook(std::function<void(Form&)> hook) { modalHook() = std::move(hook); }
}  // namespace drive

std::vector<Form*> Application::forms() { return allForms(); }

Form::Form(std::string name, Scale scale)
    : name_(std::move(name)), scale_(scale), d_(std::make_unique<Impl>()) {
    d_->self = this;
    font_.name = "Arial";
    font_.size = 8.25;
    allForms().push_back(this);
}

Form::~Form() {
    auto& v = allForms();
    v.erase(std::remove(v.begin(), v.end(), this), v.end());
    destroyControls();
    if (d_->window) {
        d_->window->detach();
        if (d_->client) d_->client->detach();
        delete d_->window.data();
    }
}

int Form::toPixels(int units) const {
    if (scale_ == Scale::Pixels) return units;
    // Round to the nearest pixel, halves away from zero.
    return units >= 0 ? (units + TwipsPerPixel / 2) / TwipsPerPixel : -((-units + TwipsPerPixel / 2) / TwipsPerPixel);
}

int Form::fromPixels(int pixels) const { return scale_ == Scale::Pixels ? pixels : pixels * TwipsPerPixel; }

namespace {
void applyFlags(Form::Impl& d) {
    if (!d.window) return;
    Qt::WindowFlags f = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    switch (d.border) {
    case Form::Border::None: f = Qt::Window | Qt::FramelessWindowHint; break;
    case Form::Border::Dialog: f = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint; break;
    case Form::Border::Fixed:
        if (d.minButton) f |= Qt::WindowMinimizeButtonHint;
        break;
    case Form::Border::Sizable:
        if (d.minButton) f |= Qt::WindowMinimizeButtonHint;
        if (d.maxButton) f |= Qt::WindowMaximizeButtonHint;
        break;
    }
    bool wasVisible = d.window->isVisible();
    d.window->setWindowFlags(f);
    if (wasVisible) d.window->show();
}

void applySize(Form::Impl& d) {
    if (!d.window) return;
    int extra = d.menuBar ? d.menuBar->sizeHint().height() : 0;
    int w = std::max(1, d.clientW), h = std::max(1, d.clientH + extra);
    if (d.border == Form::Border::Sizable) {
        d.window->setMinimumSize(0, 0);
        d.window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        d.window->resize(w, h);
    } else {
        d.window->setFixedSize(w, h);
    }
}
}  // namespace

void Form::load() {
    if (d_->loaded || d_->loading) return;
    d_->loading = true;
    auto* win = new detail::FormWindow(*this);
    d_->window = win;
    auto* layout = new QVBoxLayout(win);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    d_->client = new detail::FormClient(*this, win);
    layout->addWidget(d_->client);
    win->setWindowTitle(qs(d_->caption));
    if (!d_->icon.isNull()) win->setWindowIcon(d_->icon);
    win->setEnabled(d_->enabled);
    win->setFont(toQFont(font_));
    applyFlags(*d_);
    applySize(*d_);
    if (d_->x >= 0 && d_->y >= 0) win->placeFrame(QPoint(d_->x, d_->y));
    d_->loaded = true;
    d_->modalResult = 0;
    createControls();
    onLoad();
    d_->loading = false;
}

bool Form::isLoaded() const { return d_->loaded; }

void Form::show() {
    load();
    if (!d_->loaded || !d_->window) return;
    auto* w = d_->window.data();
    switch (d_->state) {
    case WindowState::Minimized: w->showMinimized(); break;
    case WindowState::Maximized: w->showMaximized(); break;
    default: w->show(); break;
    }
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) w->raise();
    w->activateWindow();
}

int Form::showModal() {
    load();
    if (!d_->loaded || !d_->window) return 0;
    d_->modal = true;
    d_->modalResult = 0;
    d_->window->setWindowModality(Qt::ApplicationModal);
    d_->window->show();
    activate();
    if (modalHook()) modalHook()(*this);
    if (d_->loaded && d_->modalResult == 0 && d_->window && d_->window->isVisible()) {
        QEventLoop loop;
        d_->loop = &loop;
        loop.exec();
        d_->loop = nullptr;
    }
    d_->modal = false;
    if (d_->window) {
        d_->window->hide();
        d_->window->setWindowModality(Qt::NonModal);
    }
    return d_->modalResult;
}

bool Form::isModal() const { return d_->modal; }

void Form::hide() {
    if (d_->window) d_->window->hide();
    if (d_->loop) d_->loop->quit();
}

namespace {
void finishUnload(Form& f, Form::Impl& d) {
    d.loaded = false;
    if (d.loop) d.loop->quit();
    if (d.window) {
        d.window->detach();
        if (d.client) d.client->detach();
        d.window->hide();
        d.window->deleteLater();
    }
    d.window = nullptr;
    d.client = nullptr;
    d.menuBar = nullptr;
    (void)f;
}
}  // namespace

bool Form::unload() {
    if (!d_->loaded) return true;
    if (d_->unloading) return false;  // asked again from its own unload handlers
    struct Guard {
        bool& flag;
        explicit Guard(bool& f) : flag(f) { flag = true; }
        ~Guard() { flag = false; }
    } guard(d_->unloading);
    bool cancel = false;
    onQueryUnload(cancel, false);
    if (cancel) return false;
    onUnload(cancel);
    if (cancel) return false;
    destroyControls();
    finishUnload(*this, *d_);
    return true;
}

bool FormEvents::userClose(Form& f) {
    if (!f.d_->loaded) return true;
    if (f.d_->unloading) return false;
    bool cancel = false;
    if (f.d_->modal) {
        // Closing a modal window is a cancel; the form stays loaded.
        f.onQueryUnload(cancel, true);
        if (cancel) return false;
        f.d_->modalResult = f.d_->modalResult ? f.d_->modalResult : 2;
        if (f.d_->loop) f.d_->loop->quit();
        return true;
    }
    f.d_->unloading = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{f.d_->unloading};
    f.onQueryUnload(cancel, true);
    if (cancel) return false;
    f.onUnload(cancel);
    if (cancel) return false;
    if (!f.d_->loaded) return true;  // its handlers unloaded it already
    f.destroyControls();
    finishUnload(f, *f.d_);
    return true;
}

void Form::destroyControls() {
    // Children were created after their containers: destroy from the back.
    while (!components_.empty()) components_.pop_back();
}

bool Form::visible() const { return d_->window && d_->window->isVisible(); }

void Form::setModalResult(int r) {
    d_->modalResult = r;
    if (d_->modal && r != 0) hide();
}
int Form::modalResult() const { return d_->modalResult; }

void Form::setCaption(const std::string& caption) {
    d_->caption = caption;
    if (d_->window) d_->window->setWindowTitle(qs(caption));
}
std::string Form::caption() const { return d_->caption; }

void Form::move(int left, int top) {
    d_->x = toPixels(left);
    d_->y = toPixels(top);
    if (d_->window) d_->window->placeFrame(QPoint(d_->x, d_->y));
}

void Form::move(int left, int top, int width, int height) {
    d_->clientW = std::max(1, toPixels(width) - frameExtraW(d_->border));
    d_->clientH = std::max(1, toPixels(height) - frameExtraH(d_->border));
    applySize(*d_);
    move(left, top);
}

int Form::left() const { return fromPixels(d_->window ? d_->window->x() : std::max(0, d_->x)); }
int Form::top() const { return fromPixels(d_->window ? d_->window->y() : std::max(0, d_->y)); }
int Form::width() const { return fromPixels(d_->clientW + frameExtraW(d_->border)); }
int Form::height() const {
    int extra = d_->menuBar ? d_->menuBar->sizeHint().height() : 0;
    return fromPixels(d_->clientH + extra + frameExtraH(d_->border));
}

void Form::setClientSize(int width, int height) {
    d_->clientW = std::max(1, toPixels(width));
    d_->clientH = std::max(1, toPixels(height));
    applySize(*d_);
}

int Form::clientWidth() const { return fromPixels(d_->clientW); }
int Form::clientHeight() const { return fromPixels(d_->clientH); }

void Form::centre() {
    int sw = Application::screenWidth(scale_), sh = Application::screenHeight(scale_);
    move(sw / 2 - width() / 2, sh / 2 - height() / 2);
}

bool Form::setIcon(const std::string& path) {
    QPixmap p;
    if (!p.load(QString::fromStdString(path)) || p.isNull()) return false;
    d_->icon = QIcon(p);
    if (d_->window) d_->window->setWindowIcon(d_->icon);
    return true;
}

bool Form::setPicture(const std::string& path) {
    QPixmap p;
    if (!p.load(QString::fromStdString(path)) || p.isNull()) return false;
    d_->picture = p;
    if (d_->client) d_->client->update();
    return true;
}

void Form::setBackColor(std::uint32_t c) {
    d_->back = c;
    if (d_->client) d_->client->update();
}
std::uint32_t Form::backColor() const { return d_->back; }

void Form::setFont(const Font& f) {
    font_ = f;
    if (d_->window) d_->window->setFont(toQFont(f));
}

void Form::setBorder(Border b) {
    d_->border = b;
    applyFlags(*d_);
    applySize(*d_);
}
void Form::setMinButton(bool on) {
    d_->minButton = on;
    applyFlags(*d_);
}
void Form::setMaxButton(bool on) {
    d_->maxButton = on;
    applyFlags(*d_);
}

void Form::setWindowState(WindowState s) {
    d_->state = s;
    if (!d_->window || !d_->window->isVisible()) return;
    switch (s) {
    case WindowState::Minimized: d_->window->showMinimized(); break;
    case WindowState::Maximized: d_->window->showMaximized(); break;
    default: d_->window->showNormal(); break;
    }
}

Form::WindowState Form::windowState() const {
    if (d_->window && d_->window->isVisible()) {
        if (d_->window->isMinimized()) return WindowState::Minimized;
        if (d_->window->isMaximized()) return WindowState::Maximized;
        return WindowState::Normal;
    }
    return d_->state;
}

void Form::setKeyPreview(bool on) { d_->keyPreview = on; }
bool Form::keyPreview() const { return d_->keyPreview; }

void Form::setEnabled(bool e) {
    d_->enabled = e;
    if (!d_->window) return;
    // A menu gives its entry in the menu bar (or its parent menu) the state of
    // its own widget whenever that changes, so disabling and enabling the
    // window would enable every menu the program had disabled: each entry
    // keeps the state it had.
    std::vector<std::pair<QPointer<QAction>, bool>> entries;
    for (QMenu* m : d_->window->findChildren<QMenu*>())
        if (QAction* a = m->menuAction()) entries.emplace_back(a, a->isEnabled());
    d_->window->setEnabled(e);
    for (auto& [a, on] : entries)
        if (a) a->setEnabled(on);
}
bool Form::enabled() const { return d_->enabled; }

void Form::activate() {
    if (!d_->window) return;
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) d_->window->raise();
    d_->window->activateWindow();
}

void Form::setMousePointer(int pointer) {
    if (!d_->window) return;
    if (pointer == 11)
        d_->window->setCursor(Qt::WaitCursor);
    else
        d_->window->unsetCursor();
}

Component* Form::find(const std::string& name) const {
    for (const auto& c : components_)
        if (c->name() == name) return c.get();
    return nullptr;
}

QWidget* windowOf(const Form& f) { return f.impl().window.data(); }
QWidget* clientOf(const Form& f) { return f.impl().client.data(); }

void setMenuBar(Form& f, QWidget* bar) {
    auto& d = f.impl();
    if (!d.window) return;
    auto* layout = static_cast<QVBoxLayout*>(d.window->layout());
    if (d.menuBar) {
        layout->removeWidget(d.menuBar);
        d.menuBar->deleteLater();
    }
    d.menuBar = bar;
    if (bar) layout->insertWidget(0, bar);
    applySize(d);
}

}  // namespace forms
