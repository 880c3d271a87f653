#include "ui/physical_constants_window.h"

#include "constants/physical_constants.h"
#include "support/window_test.h"

#include <QClipboard>

namespace zentaro::ui {
namespace {

using PhysicalConstantsWindowTest = testing::WindowTest<PhysicalConstantsWindow>;

TEST_F(PhysicalConstantsWindowTest, FramesStandAtTheirPlaces)
{
    const std::pair<const char*, QPoint> frames[] = {
        {"Frame1", {120, 120}},  {"Frame2", {120, 1800}},  {"Frame3", {4920, 120}}, {"Frame5", {4920, 3000}},
        {"Frame4", {120, 5520}}, {"Frame6", {4320, 5520}}, {"Frame7", {8400, 5520}}}; // twips
    for (const auto& [name, twips] : frames)
        EXPECT_EQ(testing::Find<QWidget>(window.get(), name)->pos(), twips / 15) << name;
}

// Each value stands in its frame beside its label (under it in the narrow
// neutron frame) and copies as shown.
TEST_F(PhysicalConstantsWindowTest, EveryValueStandsByItsLabelInItsFrameAndCopies)
{
    for (const constants::Constant& row : constants::card()) {
        SCOPED_TRACE(std::string(row.field));
        QLineEdit* value = field(std::string(row.field).c_str());
        const auto* label = testing::Find<QLabel>(window.get(), std::string(row.label).c_str());
        const QString frame = QString::fromUtf8(row.frame.data(), static_cast<qsizetype>(row.frame.size()));
        EXPECT_EQ(value->parent()->objectName() + " " + label->parent()->objectName(), frame + " " + frame);
        EXPECT_EQ(row.frame == "Frame7" ? label->x() : label->y(), row.frame == "Frame7" ? value->x() : value->y());
        value->selectAll();
        value->copy();
        EXPECT_FALSE(value->text().isEmpty());
        EXPECT_EQ(QApplication::clipboard()->text(), value->text());
    }
}

} // namespace
} // namespace zentaro::ui
