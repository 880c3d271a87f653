#include "ui/physical_constants_window.h"

#include "constants/physical_constants.h"
#include "support/window_test.h"

#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>

namespace zentaro::ui {
namespace {

using PhysicalConstantsWindowTest = testing::WindowTest<PhysicalConstantsWindow>;

QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

TEST_F(PhysicalConstantsWindowTest, FramesStandAtTheirPlacesWithTheCopyTip)
{
    const struct {
        const char *name, *caption;
        int left, top; // twips
    } frames[] = {
        {"Frame1", "Mathematical Consts", 120, 120}, {"Frame2", "Astronomical Data", 120, 1800},
        {"Frame3", "General Constants", 4920, 120},  {"Frame5", "Matter in Bulk", 4920, 3000},
        {"Frame4", "Electron Constants", 120, 5520}, {"Frame6", "Proton Constants", 4320, 5520},
        {"Frame7", "Neutron Constants", 8400, 5520},
    };
    for (const auto& f : frames) {
        SCOPED_TRACE(f.name);
        const auto* frame = testing::Find<QGroupBox>(window.get(), f.name);
        EXPECT_EQ(frame->title(), f.caption);
        EXPECT_EQ(frame->pos(), QPoint(f.left / 15, f.top / 15));
        EXPECT_EQ(frame->toolTip(), "Copy the value of the required constant to clipboard and use it in calculations");
    }
}

TEST_F(PhysicalConstantsWindowTest, EveryValueIsShownReadOnlyAndCopies)
{
    const char* const computed[][2] = {{"etext", "2.71828182845905"},
                                       {"pitext", "3.14159265358979"},
                                       {"ln10text", "2.30258509299405"},
                                       {"Text17", " 12.5663706143592E-07 H/m"}};
    for (const constants::Constant& row : constants::card()) {
        SCOPED_TRACE(std::string(row.field));
        QString shown = FromView(row.value);
        for (const auto& [name, text] : computed)
            shown = row.field == name ? QString(text) : shown;
        QLineEdit* value = field(std::string(row.field).c_str());
        const auto* label = testing::Find<QLabel>(window.get(), std::string(row.label).c_str());
        EXPECT_EQ(label->text(), FromView(row.caption));
        EXPECT_EQ(value->parent()->objectName() + label->parent()->objectName(), FromView(row.frame).repeated(2));
        // Side by side, except in the narrow neutron frame where the label stands above.
        EXPECT_EQ(row.frame == "Frame7" ? label->x() : label->y(), row.frame == "Frame7" ? value->x() : value->y());
        QKeyEvent key(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
        QApplication::sendEvent(value, &key);
        value->selectAll();
        value->copy();
        EXPECT_EQ(value->text(), shown);
        EXPECT_EQ(QApplication::clipboard()->text(), shown);
    }
}

} // namespace
} // namespace zentaro::ui
