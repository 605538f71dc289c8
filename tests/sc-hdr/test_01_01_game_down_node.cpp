// A lower node of the node-and-line board: the second family of the
// board's pieces, with focus codes of its own; its number from its name.
#include "01_01_game_down_node.h"
#include "PieceCheck.h"

#include <gtest/gtest.h>

namespace
{
TEST(DownNode, AVisitSendsTheSecondFamilysFocusCodes)
{
    tq::HeadlessEngine engine;
    engine.addRecorder("01_minigame_01");
    CObject* node = engine.addObject("01_01_game_down_node_04", "01_01_game_down_node.sc");
    engine.frame();
    EXPECT_EQ(tq::visit(engine, node, "01_minigame_01"), tq::visitCodes(15004, 30004, 40004, 25004));
}

TEST(DownNode, TheNumberIsTheDigitsAfterThePrefixsLength)
{
    tq::HeadlessEngine engine;
    struct Case
    {
        const char* name;
        int number;
    } cases[] = {
        {"01_01_game_down_node_09", 9},
        {"01_01_game_down_node_12b", 12},
        // The characters in the prefix's place are not compared.
        {"xx_xx_xxxx_xxxx_xxxx_03", 3},
        {"01_01_game_down_node_", 0},
        {"01_01_game_down_node_x1", 0},
    };
    for (const Case& c : cases)
    {
        CObject* node = engine.addObject(c.name, "01_01_game_down_node.sc");
        engine.frame();
        auto* script = tq::HeadlessEngine::scriptOf<sc_01_01_game_down_node>(node);
        ASSERT_NE(script, nullptr) << c.name;
        EXPECT_EQ(script->number, c.number) << c.name;
    }
}
} // namespace
