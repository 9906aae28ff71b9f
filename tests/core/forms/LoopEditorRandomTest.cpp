// Random sequences of loop-editor commits (device quantities, Other Device
// quantities, parameters): whatever is accepted or refused, no device leaves
// its address range, the panel's device limit holds, the loop model's sums
// equal a recount, the rows count what the loop holds, and Cancel gives back
// the loop the editor opened with.

#include "document/LoopPlacement.h"
#include "support/LoopEditorSite.h"
#include "forms/LoopParameters.h"
#include "support/LoopRecount.h"
#include "support/SameLoop.h"

#include <gtest/gtest.h>

#include <random>

TEST(LoopEditorRandom, CommitsKeepDevicesInRangeWithinTheLimitAndSumsRight)
{
    LoopEditorSite site;
    site.catalogue.Panels[0].MaxDevicesPerLoop = 80;
    std::mt19937 random(7);
    auto draw = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    auto anyRow = [&](size_t rows) { return static_cast<size_t>(draw(static_cast<int>(rows))); };

    for (int session = 0; session < 8; ++session) {
        LoopEditorCore editor(site.document, site.options, site.host, 1);
        editor.Activate();
        LoopParameters parameters(editor, draw(2));
        const clsCalculator opened = site.document.Loop(1).Copy();
        for (const int16_t type : {site.sounder, site.heat, site.module, site.masterBase, site.slaveBase})
            editor.AddDeviceRow(type);

        for (int step = 0; step < 150; ++step) {
            SCOPED_TRACE("session " + std::to_string(session) + " step " + std::to_string(step));
            switch (draw(6)) {
            case 0: case 1: case 2:
                editor.CommitDeviceQuantity(anyRow(editor.DeviceRows().size()), draw(4) == 0 ? draw(130) : draw(25), true);
                break;
            case 3: case 4:
                editor.CommitOtherQuantity(anyRow(editor.OtherRows().size()), draw(30), true);
                break;
            default:
                switch (draw(4)) {
                case 0: parameters.CommitTotalLength(std::to_string(draw(3200)), true); break;
                case 1: parameters.CommitFirstLength(std::to_string(draw(400)), true); break;
                case 2: parameters.SetCalcType(static_cast<CalculationType>(draw(3))); break;
                default: parameters.MoveSlider(static_cast<int16_t>(draw(101))); break;
                }
            }
            const clsCalculator& loop = site.document.Loop(1);
            ASSERT_EQ(RunningSums(loop), RecountSums(loop, site.catalogue));
            ASSERT_LE(loop.QtyDevices(), 80);
            for (int a = 0; a < clsCalculator::AddressCount; ++a) {
                const int16_t type = loop.DeviceType(a);
                ASSERT_TRUE(type == 0 || LoopPlacement::IsAddressInRange(site.document, type, a)) << "address " << a;
                ASSERT_TRUE(type != 0 || loop.DeviceBaseType(a) == 0) << "a slave base without its device at " << a;
            }
            for (const LoopEditorCore::DeviceRow& row : editor.DeviceRows())
                ASSERT_EQ(row.Quantity, LoopPlacement::CountOfType(site.document, 1, row.Type)) << row.Type;
        }
        if (session % 2 == 0) {
            editor.Cancel();
            ASSERT_TRUE(SameLoop(site.document.Loop(1), opened, site.catalogue));
        }
    }
    EXPECT_TRUE(site.host.boxes.empty());  // quiet commits show nothing
}
