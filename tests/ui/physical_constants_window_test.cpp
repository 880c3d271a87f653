#include "ui/physical_constants_window.h"

#include "constants/physical_constants.h"
#include "support/window_test.h"

namespace zentaro::ui {
namespace {

using PhysicalConstantsWindowTest = testing::WindowTest<PhysicalConstantsWindow>;

// Each value of the card stands in its frame beside its label (under it in the
// narrow neutron frame). What each shows is its control table's.
TEST_F(PhysicalConstantsWindowTest, EveryValueStandsByItsLabelInItsFrame)
{
    for (const constants::Constant& row : constants::card()) {
        SCOPED_TRACE(std::string(row.field));
        QLineEdit* value = field(std::string(row.field).c_str());
        const auto* label = testing::Find<QLabel>(window.get(), std::string(row.label).c_str());
        const QString frame = QString::fromUtf8(row.frame.data(), static_cast<qsizetype>(row.frame.size()));
        EXPECT_EQ(value->parent()->objectName() + " " + label->parent()->objectName(), frame + " " + frame);
        EXPECT_EQ(row.frame == "Frame7" ? label->x() : label->y(), row.frame == "Frame7" ? value->x() : value->y());
    }
}

} // namespace
} // namespace zentaro::ui
