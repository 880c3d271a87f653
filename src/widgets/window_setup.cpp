#include "widgets/window_setup.h"

#include "widgets/focus_events.h"
#include "widgets/keyboard.h"
#include "widgets/window_text.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStringList>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QWidget>

#include <algorithm>
#include <limits>

#ifndef ZENTARO_FORMS_WITH_OWN_TAB_ORDER
#define ZENTARO_FORMS_WITH_OWN_TAB_ORDER ""
#endif

namespace zentaro::widgets {
namespace {
constexpr int kFrameWidthPixels = 2 * 3;
constexpr int kFrameHeightPixels = 20 + 2 * 3;

// How far a label may stand from the field it names.
constexpr int kLabelGapBeside = 48;
constexpr int kLabelGapAbove = 24;
// Controls may touch by a few pixels and still be beside or above each other.
constexpr int kTouching = 3;

const QString kResultDescription = QStringLiteral("Read-only result");
const QString kShowWorking = QStringLiteral("showworking");

bool IsContainer(const QWidget* widget)
{
    const QMetaObject* kind = widget->metaObject();
    return qobject_cast<const QGroupBox*>(widget) != nullptr || kind == &QWidget::staticMetaObject ||
           kind == &QFrame::staticMetaObject;
}

bool IsField(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(widget) != nullptr ||
           qobject_cast<const QTextEdit*>(widget) != nullptr || qobject_cast<const QComboBox*>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(widget) != nullptr;
}

bool IsReadOnly(const QWidget* field)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(field))
        return line->isReadOnly();
    if (const auto* area = qobject_cast<const QPlainTextEdit*>(field))
        return area->isReadOnly();
    if (const auto* rich = qobject_cast<const QTextEdit*>(field))
        return rich->isReadOnly();
    if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(field))
        return spin->isReadOnly();
    return false;
}

// The widgets a form defines directly in `container` (message boxes and other
// windows parented to it are not among them).
std::vector<QWidget*> ChildControls(const QWidget* container)
{
    std::vector<QWidget*> children;
    for (QWidget* child : container->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow())
            children.push_back(child);
    }
    return children;
}

// What a caption shows: "&&" is one ampersand, a single one marks the access key.
QString WithoutAccessKey(const QString& caption)
{
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

QString Shown(const QLabel* label)
{
    const QString text = label->text();
    const bool rich =
        label->textFormat() == Qt::RichText || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    if (rich)
        return QTextDocumentFragment::fromHtml(text).toPlainText().simplified();
    // Only a label with a buddy draws access keys; without one it shows "&" as typed.
    return (label->buddy() != nullptr ? WithoutAccessKey(text) : text).simplified();
}

// The label that names `field`: its buddy label, else the nearest label on its
// left in the same row, else the nearest one just above it.
const QLabel* LabelOf(const QWidget* field)
{
    const QRect f = field->geometry();
    const QLabel* beside = nullptr;
    const QLabel* above = nullptr;
    int besideGap = std::numeric_limits<int>::max();
    int aboveGap = std::numeric_limits<int>::max();
    for (const QWidget* sibling : ChildControls(field->parentWidget())) {
        const auto* label = qobject_cast<const QLabel*>(sibling);
        if (label == nullptr || Shown(label).isEmpty())
            continue;
        if (label->buddy() == field)
            return label;
        const QRect l = label->geometry();
        const bool sameRow = l.top() <= f.center().y() && f.center().y() <= l.bottom();
        const bool sameColumn = l.left() < f.right() && f.left() < l.right();
        const int gapBeside = f.left() - l.right();
        const int gapAbove = f.top() - l.bottom();
        if (sameRow && gapBeside > -kTouching && gapBeside <= kLabelGapBeside && gapBeside < besideGap) {
            beside = label;
            besideGap = gapBeside;
        }
        if (sameColumn && gapAbove > -kTouching && gapAbove <= kLabelGapAbove && gapAbove < aboveGap) {
            above = label;
            aboveGap = gapAbove;
        }
    }
    return beside != nullptr ? beside : above;
}

QString FieldName(const QWidget* field)
{
    if (const QLabel* label = LabelOf(field))
        return Shown(label);
    const auto* frame = qobject_cast<const QGroupBox*>(field->parentWidget());
    const auto fields = frame != nullptr ? ChildControls(frame) : std::vector<QWidget*>{};
    const QString frameCaption = frame != nullptr ? WithoutAccessKey(frame->title()).simplified() : QString();
    if (std::count_if(fields.begin(), fields.end(), IsField) == 1 && !frameCaption.isEmpty())
        return frameCaption;
    const QString tip = field->toolTip().simplified();
    return tip.isEmpty() ? frameCaption : tip;
}

// Every control of the form, frames and their contents included.
void CollectControls(QWidget* container, std::vector<QWidget*>& controls)
{
    for (QWidget* child : ChildControls(container)) {
        controls.push_back(child);
        if (IsContainer(child))
            CollectControls(child, controls);
    }
}

void AppendInReadingOrder(QWidget* container, std::vector<QWidget*>& chain)
{
    std::vector<QWidget*> children = ChildControls(container);
    std::sort(children.begin(), children.end(),
              [](const QWidget* a, const QWidget* b) { return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x()); });
    // A row is every control that starts above the middle of the row's first one;
    // a row reads left to right.
    for (auto row = children.begin(); row != children.end();) {
        const int middle = (*row)->y() + std::max((*row)->height() / 2, 1);
        const auto end = std::find_if(row, children.end(), [middle](const QWidget* w) { return w->y() >= middle; });
        std::sort(row, end, [](const QWidget* a, const QWidget* b) {
            return std::pair(a->x(), a->y()) < std::pair(b->x(), b->y());
        });
        for (auto it = row; it != end; ++it) {
            if ((*it)->focusPolicy() & Qt::TabFocus)
                chain.push_back(*it);
            if (IsContainer(*it))
                AppendInReadingOrder(*it, chain);
        }
        row = end;
    }
}

// A read-only field's own menu (Copy, Select All) with the working added, where
// a right click on an answer looks for it.
void AddToContextMenu(QWidget* field, QAction* action)
{
    field->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(field, &QWidget::customContextMenuRequested, field, [field, action](const QPoint& at) {
        QMenu* menu = nullptr;
        if (auto* line = qobject_cast<QLineEdit*>(field))
            menu = line->createStandardContextMenu();
        else if (auto* area = qobject_cast<QPlainTextEdit*>(field))
            menu = area->createStandardContextMenu(at);
        else if (auto* rich = qobject_cast<QTextEdit*>(field))
            menu = rich->createStandardContextMenu(at);
        if (menu == nullptr)
            return;
        menu->addSeparator();
        menu->addAction(action);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(field->mapToGlobal(at));
    });
}

void OfferWorking(QWidget* window)
{
    auto* action = new QAction(QStringLiteral("Show working"), window);
    action->setObjectName(kShowWorking);
    action->setShortcut(Qt::Key_F2);
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    std::vector<QWidget*> controls;
    CollectControls(window, controls);
    // A field of a class of its own keeps the menu that class gives it.
    const auto standard = [](const QWidget* field) {
        const QMetaObject* kind = field->metaObject();
        return kind == &QLineEdit::staticMetaObject || kind == &QPlainTextEdit::staticMetaObject ||
               kind == &QTextEdit::staticMetaObject;
    };
    for (QWidget* control : controls) {
        if (IsField(control) && IsReadOnly(control) && standard(control))
            AddToContextMenu(control, action);
    }
}

} // namespace

QSize ClientSizeFromTwips(int widthTwips, int heightTwips)
{
    return {Twips(widthTwips) - kFrameWidthPixels, Twips(heightTwips) - kFrameHeightPixels};
}

void MakeCalculatorWindow(QWidget* window)
{
    // A normal window and not a dialog, which window managers will not minimize:
    // with many calculators open, the desktop must let them be put away.
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window->setFixedSize(window->size());
    // What a window offers beyond its buttons (copying, the working) goes in as
    // actions of the window: its background's context menu lists them.
    window->setContextMenuPolicy(Qt::ActionsContextMenu);
    OfferWorking(window);
    DescribeControls(window);
    for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
        if (!field->isReadOnly() && !field->text().isEmpty())
            SelectAllOnClick(field);
    }
    // A list of answers is read-only, not out of reach of the keyboard's selection.
    for (QPlainTextEdit* area : window->findChildren<QPlainTextEdit*>()) {
        if (area->isReadOnly() && area->metaObject() == &QPlainTextEdit::staticMetaObject)
            area->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    PressButtonsWithEnter(window);
    AddCopyAll(window);
}

void MakeDialogWindow(QWidget* window, QAbstractButton* ok)
{
    window->setWindowFlags(Qt::Window | Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window->setFixedSize(window->size());
    DescribeControls(window);
    PressButtonsWithEnter(window, ok);
}

QAction* ShowWorkingAction(const QWidget* window)
{
    return window->findChild<QAction*>(kShowWorking, Qt::FindDirectChildrenOnly);
}

void SetFormHeightTwips(QWidget* window, int heightTwips)
{
    const int height = Twips(heightTwips) - kFrameHeightPixels;
    window->setFixedSize(window->width(), height);
}

void CentreVertically(QWidget* window)
{
    const QScreen* screen = window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const int frameExtra = window->frameGeometry().height() - window->height();
    const int outer = window->height() + (frameExtra > 0 ? frameExtra : kFrameHeightPixels);
    window->move(window->x(), screen->geometry().top() + (screen->geometry().height() - outer) / 2);
}

QString AccessibleNameFor(const QWidget* control)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        const QString caption = WithoutAccessKey(button->text()).simplified();
        return caption.isEmpty() ? button->toolTip().simplified() : caption;
    }
    return IsField(control) ? FieldName(control) : QString();
}

void DescribeControls(QWidget* window)
{
    std::vector<QWidget*> controls;
    CollectControls(window, controls);
    for (QWidget* control : controls) {
        if (const QString name = AccessibleNameFor(control); control->accessibleName().isEmpty() && !name.isEmpty())
            control->setAccessibleName(name);
        if (IsField(control) && IsReadOnly(control) && control->accessibleDescription().isEmpty())
            control->setAccessibleDescription(kResultDescription);
        // Tab typed into a multi-line field would stay there: let it move on, as in a one-line field.
        if (auto* area = qobject_cast<QPlainTextEdit*>(control))
            area->setTabChangesFocus(true);
        if (auto* rich = qobject_cast<QTextEdit*>(control))
            rich->setTabChangesFocus(true);
    }
    if (FormSetsTabOrder(window->objectName()))
        return;
    const std::vector<QWidget*> chain = ReadingOrder(window);
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

std::vector<QWidget*> ReadingOrder(QWidget* container)
{
    std::vector<QWidget*> chain;
    AppendInReadingOrder(container, chain);
    return chain;
}

bool FormSetsTabOrder(const QString& formName)
{
    static const QStringList forms =
        QString::fromLatin1(ZENTARO_FORMS_WITH_OWN_TAB_ORDER).split(QLatin1Char(','), Qt::SkipEmptyParts);
    return forms.contains(formName);
}

bool IsTextField(const QWidget* control)
{
    return IsField(control);
}

QString ShownCaption(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return Shown(label);
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return WithoutAccessKey(button->text()).simplified();
    if (const auto* frame = qobject_cast<const QGroupBox*>(control))
        return WithoutAccessKey(frame->title()).simplified();
    return {};
}

} // namespace zentaro::widgets
