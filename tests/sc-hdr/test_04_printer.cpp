// The printer's lamp: it blinks (dark for the first fifth of each cycle of
// about 1.43 s) from 100 until 200, stops where it is, and blinks again
// after a reload while "04_printer@flash" says so.
#include "04_printer.h"
#include "PuzzleFixture.h"

namespace
{
const char* const kOn = "04_printer/04_printer_lamp";
const char* const kOff = "04_printer/04_printer_lamp_nl";

class Printer04 : public ::testing::Test, public tq::PuzzleFixture
{
protected:
    Printer04() : PuzzleFixture({})
    {
        makeSectionsMesh("printer.mesh", 2);
        for (const char* m : {kOn, kOff, "04_plain"})
            tq::ScriptFixture::material(m);
    }

    void create(bool withPrinter = true)
    {
        if (withPrinter)
        {
            piece("04_printer", nullptr, "printer.mesh");
            entityOf("04_printer")->setMaterialName("04_plain");
        }
        lamp = engine->addObject("04_printer_lamp", "04_printer.sc");
        engine->frame();
    }
    /// The room's request, delivered on a short frame of its own.
    void tell(int code)
    {
        engine->notify(lamp, code);
        engine->frame(0.002f);
    }
    std::string look() const { return materialOf("04_printer", 1); }

    CObject* lamp = nullptr;
};

TEST_F(Printer04, BlinksFromOneHundredUntilTwoHundred)
{
    create();
    engine->frames(3, 0.5f);
    EXPECT_EQ(look(), "04_plain");

    tell(100);
    EXPECT_EQ(CVirtualScript::getVarI("04_printer@flash"), 1);
    engine->frame(0.5f); // phase 0.35
    EXPECT_EQ(look(), kOn);
    EXPECT_EQ(materialOf("04_printer", 0), "04_plain");
    engine->frame(0.5f); // 0.7
    engine->frame(0.5f); // 1.05 -> 0.05: dark
    EXPECT_EQ(look(), kOff);
    engine->frame(0.25f); // 0.225: lit again
    EXPECT_EQ(look(), kOn);
    engine->frame(1.0f); // 0.925
    engine->frame(0.2f); // 1.065 -> 0.065
    EXPECT_EQ(look(), kOff);

    tell(200);
    EXPECT_EQ(CVirtualScript::getVarI("04_printer@flash"), 0);
    engine->frames(4, 0.5f);
    EXPECT_EQ(look(), kOff); // it stays as it was
}

TEST_F(Printer04, KeepsBlinkingAfterAReloadAndAtOneSpeedWhenAskedTwice)
{
    CVirtualScript::setVarI("04_printer@flash", 1);
    create();
    tell(100); // a second start must not add a second tick
    engine->frame(0.5f); // 0.35
    engine->frame(0.5f); // 0.7
    EXPECT_EQ(look(), kOn);
    engine->frame(0.5f); // 1.05 -> 0.05
    EXPECT_EQ(look(), kOff);
}

TEST_F(Printer04, WithoutThePrinterItWarnsAndGoesOn)
{
    create(false);
    EXPECT_NE(engine->log().find("\nWARNING: Can't find object [04_printer] by name!"), std::string::npos);
    tell(100);
    engine->frames(4, 0.5f);
    EXPECT_EQ(CVirtualScript::getVarI("04_printer@flash"), 1);
}
} // namespace
