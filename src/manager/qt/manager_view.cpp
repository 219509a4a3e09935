#include "manager/qt/manager_view.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>
#include <algorithm>

#include "manager/manager_commands.h"
#include "manager/manager_dlg.h"
#include "manager/manager_layout.h"
#include "manager/qt/publication_list.h"
#include "platform/text/qt/qt_text.h"
#include "shell/plugin_state.h"
#include "ui/qt/dialog_units.h"
#include "ui/qt/widget_handle.h"

namespace lumar::manager {

namespace {

// The designed geometry, in dialog units: the tab control's left and top
// edge, the smallest button and the window's first size.
constexpr int kMargin = 7;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kFirstWidth = 420;
constexpr int kFirstHeight = 220;

// SW_SHOWNORMAL, SW_SHOWMAXIMIZED of the stored placement.
constexpr std::uint32_t kShowNormal = 1;
constexpr std::uint32_t kShowMaximized = 3;

QRect toQRect(const WindowRect& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

ManagerView::ManagerView(CManagerDlg& manager, QWidget* owner)
    : QDialog(owner),
      manager_(manager),
      tabs_(new QTabWidget(this)),
      list_(new PublicationList(manager, this)) {
    setObjectName("141");
    setModal(false);
    setSizeGripEnabled(true);
    tabs_->setObjectName("1063");
    tabs_->addTab(new QWidget, CManagerDlg::kTabTitle);
    tabs_->setEnabled(false);
    tabs_->setFocusPolicy(Qt::NoFocus);

    QPushButton* details = addButton(kIdcDetails, "&Details...", true);
    QPushButton* add = addButton(kIdcAdd, "&Add...", true);
    QPushButton* refresh = addButton(kIdcRefresh, "Re&fresh", true);
    QPushButton* close = addButton(kIdcClose, "Close", true);
    addButton(kIdcSupplementDetails, "&Supplement details...", false);
    addButton(kIdcAddSupplement, "Add &supplement...", false);
    addButton(kIdcMergeDataDetails, "&Merge data details...", false);
    addButton(kIdcAddMergeData, "Add &merge data...", false);
    addButton(kIdcLock, "&Lock publication", false);
    addButton(kIdcUnlock, "&Unlock publication", false);
    addButton(kIdcRevert, "Re&vert publication", false);
    addButton(kIdcMerge, "Mer&ge publication", false);
    details->setDefault(true);
    add->installEventFilter(this);
    // Left to right as they stand: the list, Close, then the buttons at the right.
    setTabOrder(list_, close);
    setTabOrder(close, add);
    setTabOrder(add, refresh);
    setTabOrder(refresh, details);

    manager_.OnInitDialog();
    setWindowTitle(CManagerDlg::kTitle);
    const ui::DialogUnits units(*this);
    resize(units.size(kFirstWidth, kFirstHeight));
    if (const std::optional<WindowPlacement>& placement = manager_.InitialPlacement()) {
        place(*placement);
    }
    layOut();
    Follow();
    list_->setFocus();
}

QPushButton* ManagerView::addButton(int id, const char* title, bool shown) {
    auto* button = new QPushButton(title, this);
    button->setObjectName(QString::number(id));
    button->setAutoDefault(false);
    button->setVisible(shown);
    if (!shown) {
        // Kept for its enabled state and shortcut only.
        button->setFocusPolicy(Qt::NoFocus);
    }
    connect(button, &QPushButton::clicked, this, [this, id] { manager_.ClickButton(id); });
    buttons_[id] = button;
    return button;
}

QPushButton* ManagerView::Button(int id) const {
    const auto found = buttons_.find(id);
    return found != buttons_.end() ? found->second : nullptr;
}

void ManagerView::Follow() {
    list_->Follow();
    updateButtons();
}

void ManagerView::updateButtons() {
    for (const auto& [id, button] : buttons_) {
        button->setEnabled(manager_.ButtonEnabled(id));
    }
    Button(kIdcAdd)->setVisible(manager_.AddButtonVisible());
}

void ManagerView::layOut() {
    const ui::DialogUnits units(*this);
    int buttonWidth = units.x(kButtonWidth);
    int buttonHeight = units.y(kButtonHeight);
    // Wide enough for every shown label at the desktop's font.
    for (const int id : {kIdcDetails, kIdcAdd, kIdcRefresh, kIdcClose}) {
        const QSize hint = Button(id)->sizeHint();
        buttonWidth = std::max(buttonWidth, hint.width());
        buttonHeight = std::max(buttonHeight, hint.height());
    }
    ManagerLayoutInput input;
    input.clientWidth = width();
    input.clientHeight = height();
    const int margin = units.x(kMargin);
    const int top = units.y(kMargin);
    input.tab = {margin, top, margin, top};
    input.listTop = top + tabs_->tabBar()->sizeHint().height() + margin;
    input.buttonWidth = buttonWidth;
    input.buttonHeight = buttonHeight;
    const ManagerLayoutResult result = LayOutManager(input);
    tabs_->setGeometry(toQRect(result.tab));
    list_->setGeometry(toQRect(result.list));
    Button(kIdcClose)->setGeometry(toQRect(result.close));
    Button(kIdcDetails)->setGeometry(toQRect(result.details));
    Button(kIdcRefresh)->setGeometry(toQRect(result.refresh));
    Button(kIdcAdd)->setGeometry(toQRect(result.add));
    setMinimumSize(result.minClientWidth, result.minClientHeight);
    // The list and the buttons lie over the tab control's page.
    list_->raise();
    for (const auto& [id, button] : buttons_) {
        button->raise();
    }
}

void ManagerView::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layOut();
}

void ManagerView::place(const WindowPlacement& placement) {
    const QRect normal = toQRect(placement.rcNormalPosition);
    if (normal.width() > 0 && normal.height() > 0) {
        setGeometry(normal);
    }
    if (placement.showCmd == kShowMaximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

WindowPlacement ManagerView::Placement() const {
    WindowPlacement placement;
    placement.length = WindowPlacement::kLength;
    placement.showCmd = isMaximized() ? kShowMaximized : kShowNormal;
    const QRect normal = isMaximized() ? normalGeometry() : geometry();
    placement.rcNormalPosition = {normal.left(), normal.top(), normal.left() + normal.width(),
                                  normal.top() + normal.height()};
    return placement;
}

bool ManagerView::eventFilter(QObject* watched, QEvent* event) {
    // The tip of "&Add...": why it cannot add binders now, if there is a reason.
    if (watched == Button(kIdcAdd) && event->type() == QEvent::ToolTip) {
        const QString tip = text::toQString(manager_.AddButtonToolTip());
        if (tip.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, Button(kIdcAdd));
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ManagerView::keyPressEvent(QKeyEvent* event) {
    // Alt with a letter: the manager's shortcuts, also of the hidden buttons.
    if (event->modifiers() == Qt::AltModifier && event->key() >= Qt::Key_A &&
        event->key() <= Qt::Key_Z) {
        if (manager_.OnMenuChar(static_cast<char>('a' + (event->key() - Qt::Key_A)))) {
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void ManagerView::reject() {
    // Escape and the title bar's close act as the Close button.
    manager_.ClickButton(kIdcClose);
}

namespace {

// The manager's handle on its window. The window goes when the manager
// closes; it is deleted once the event that closed it is done.
class QtManagerWindow : public ManagerWindow {
public:
    explicit QtManagerWindow(CManagerDlg& manager)
        : view_(new ManagerView(manager, ui::ownerWidget(ThePlugin().hostMainWindow))) {
        view_->setAttribute(Qt::WA_DeleteOnClose, false);
        view_->show();
    }
    ~QtManagerWindow() override {
        if (!view_.isNull()) {
            view_->hide();
            view_->deleteLater();
        }
    }
    QtManagerWindow(const QtManagerWindow&) = delete;
    QtManagerWindow& operator=(const QtManagerWindow&) = delete;

    void* PlatformWindow() override { return view_.data(); }
    void ModelChanged() override {
        if (!view_.isNull()) {
            view_->Follow();
        }
    }
    std::optional<WindowPlacement> Placement() override {
        return !view_.isNull() ? std::optional(view_->Placement()) : std::nullopt;
    }
    void CaptureColumns() override {
        if (!view_.isNull()) {
            view_->List().CaptureColumns();
        }
    }

private:
    QPointer<ManagerView> view_;
};

// Without widgets: the model alone, as without a factory.
class ModelOnlyWindow : public ManagerWindow {
public:
    explicit ModelOnlyWindow(CManagerDlg& manager) { manager.OnInitDialog(); }
    void* PlatformWindow() override { return nullptr; }
};

}  // namespace

std::unique_ptr<ManagerWindow> MakeManagerWindow(CManagerDlg& manager) {
    if (!ui::haveWidgets()) {
        return std::make_unique<ModelOnlyWindow>(manager);
    }
    return std::make_unique<QtManagerWindow>(manager);
}

}  // namespace lumar::manager
