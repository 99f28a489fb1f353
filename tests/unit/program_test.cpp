// The form runtime: windows created on first touch, modeless show and hide,
// timers on the virtual clock, picture identity and the end.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/program.h"

using namespace tarvik;

namespace {

std::unique_ptr<Program> program_with(std::shared_ptr<HandlerTable> table) {
    return std::make_unique<Program>(std::move(table), [] { return std::string("10:00:00"); });
}

}  // namespace

TEST(FormLifecycle, CreatedOnFirstTouchWithItsLoadInsideTheTouch) {
    auto table = std::make_shared<HandlerTable>();
    std::vector<std::string> log;
    table->bind_load("Form2", [&](Program& p) {
        log.push_back("load");
        EXPECT_NE(p.find_form("Form2"), nullptr);
    });
    auto program = program_with(table);
    EXPECT_EQ(program->find_form("Form2"), nullptr);
    Form& form = program->ensure_form("Form2");
    log.push_back("after");
    EXPECT_EQ(log, (std::vector<std::string>{"load", "after"}));
    EXPECT_FALSE(form.visible());
    EXPECT_EQ(&program->ensure_form("Form2"), &form);
    EXPECT_EQ(log.size(), 2u) << "Load runs once";
}

TEST(FormLifecycle, ShowAndHideKeepStateAndMakeNoSecondWindow) {
    auto program = program_with(std::make_shared<HandlerTable>());
    program->show("Form3");
    Form& form = *program->find_form("Form3");
    const std::uint64_t serial = program->stacking_serial();
    program->show("Form3");
    EXPECT_GT(program->stacking_serial(), serial) << "a second show brings the window forward again";
    EXPECT_EQ(program->stacking().size(), 1u);
    form["nad"].set_visible(true);
    program->hide("Form3");
    program->hide("Form3");
    EXPECT_FALSE(form.visible());
    EXPECT_EQ(program->front(), nullptr);
    program->show("Form3");
    EXPECT_TRUE(form.visible());
    EXPECT_TRUE(form["nad"].visible());
    EXPECT_EQ(program->forms().size(), 1u);
}

std::vector<std::string> stacking_of(const Program& program) {
    std::vector<std::string> names;
    for (const Form* form : program.stacking()) names.push_back(form->name());
    return names;
}

TEST(Stacking, ShowsClicksTypingAndHidesDecideWhichWindowIsInFront) {
    auto program = program_with(std::make_shared<HandlerTable>());
    for (const char* name : {"Form4", "Form3", "Form5", "Form2"}) program->show(name);
    EXPECT_EQ(stacking_of(*program), (std::vector<std::string>{"Form4", "Form3", "Form5", "Form2"}));

    program->show("Form3");
    EXPECT_EQ(stacking_of(*program), (std::vector<std::string>{"Form4", "Form5", "Form2", "Form3"}))
        << "a show of a shown window brings it to the top";

    program->click(program->ensure_form("Form4"), 100, 100);
    EXPECT_EQ(program->front()->name(), "Form4") << "a click activates its window";

    Form& naming = *program->find_form("Form2");
    program->type(naming["Text1"], "Praha");
    EXPECT_EQ(program->front(), &naming) << "typing activates the text box's window";
    EXPECT_EQ(naming["Text1"].text(), "Praha");

    const std::uint64_t serial = program->stacking_serial();
    program->bring_to_front(naming);
    EXPECT_EQ(program->stacking_serial(), serial) << "activating the front window changes nothing";

    program->hide("Form2");
    EXPECT_EQ(program->front()->name(), "Form4") << "the window below comes in front";
    program->hide("Form5");
    program->bring_to_front(*program->find_form("Form5"));
    program->click(*program->find_form("Form5"), 10, 10);
    EXPECT_EQ(stacking_of(*program), (std::vector<std::string>{"Form3", "Form4"}))
        << "a hidden window cannot be activated";

    program->end();
    EXPECT_TRUE(program->stacking().empty());
    EXPECT_EQ(program->front(), nullptr);
}

TEST(CloseRequest, EachWindowDoesWhatItsLayoutSays) {
    auto program = program_with(std::make_shared<HandlerTable>());
    for (const char* name : {"Form4", "Form3", "Form6", "Form5", "Form2"}) program->show(name);
    Form& catalogue = *program->find_form("Form3");
    catalogue["nad"].set_visible(true);
    for (const char* name : {"Form2", "Form3", "Form5"}) {
        program->request_close(*program->find_form(name));
        EXPECT_FALSE(program->find_form(name)->visible()) << name << " is hidden";
    }
    EXPECT_TRUE(catalogue["nad"].visible()) << "hidden, never destroyed";
    EXPECT_EQ(program->front()->name(), "Form6");

    for (const char* name : {"Form6", "Form7", "Form8", "Form9"}) {
        program->show(name);
        program->bring_to_front(*program->find_form("Form4"));
        program->request_close(*program->find_form(name));
        EXPECT_TRUE(program->find_form(name)->visible()) << "the dialog " << name << " stays";
        EXPECT_EQ(program->front()->name(), "Form4") << "and does not come forward";
    }
    EXPECT_FALSE(program->ended());
    program->request_close(*program->find_form("Form4"));
    EXPECT_TRUE(program->ended()) << "closing the splash screen ends the program";

    auto again = program_with(std::make_shared<HandlerTable>());
    again->show("form1");
    again->request_close(again->ensure_form("Form3"));
    EXPECT_FALSE(again->ended()) << "a close request on a hidden window does nothing";
    EXPECT_FALSE(again->find_form("Form3")->visible());
    again->request_close(*again->find_form("form1"));
    EXPECT_TRUE(again->ended()) << "closing the main screen ends the program";
}

TEST(Pictures, EveryStoredPictureIsItsOwnObjectAndCopiesShare) {
    auto program = program_with(std::make_shared<HandlerTable>());
    Form& main = program->ensure_form("form1");
    EXPECT_FALSE(same_picture(main["d"].picture(), main["d1"].picture()));
    EXPECT_FALSE(same_picture(main["nic"].picture(), main["n1"].picture()));
    EXPECT_FALSE(same_picture(main["n1"].picture(), main["n2"].picture()));
    EXPECT_FALSE(same_picture(main["post"].picture(), main["vyb"].picture()));
    EXPECT_FALSE(same_picture(main["nal"].picture(), main["smich"].picture()));
    EXPECT_EQ(main["d"].picture()->drawing(), main["d1"].picture()->drawing());
    main["post"].set_picture(main["d1"].picture());
    EXPECT_TRUE(same_picture(main["post"].picture(), main["d1"].picture()));
    main["d1"].set_picture(main["d2"].picture());
    EXPECT_FALSE(same_picture(main["post"].picture(), main["d1"].picture())) << "nothing links a copy to its source";
    EXPECT_FALSE(same_picture(main["m1"].picture(), main["m2"].picture())) << "no picture matches nothing";
}

TEST(Pictures, AnImageTakesItsPicturesNaturalSize) {
    auto program = program_with(std::make_shared<HandlerTable>());
    Form& main = program->ensure_form("form1");
    main["m13"].set_picture(main["most2"].picture());
    EXPECT_EQ(main["m13"].width(), 765);
    EXPECT_EQ(main["m13"].height(), 225);
    EXPECT_EQ(main["m13"].left(), 9240);
}

TEST(Timers, FirstTickOneIntervalAfterLoadThenOnTheGrid) {
    auto table = std::make_shared<HandlerTable>();
    std::vector<Millis> ticks;
    table->bind("Form6", "Timer1", Event::Timer, [&](Program& p) { ticks.push_back(p.now()); });
    auto program = program_with(table);
    program->advance(5);
    program->ensure_form("Form6");  // loads at 5: its 10 ms timer ticks at 15, 25, ...
    program->advance(30);
    EXPECT_EQ(ticks, (std::vector<Millis>{15, 25, 35})) << "a tick due at the end of the span is delivered";
    EXPECT_EQ(program->now(), 35);
}

TEST(Timers, IntervalZeroStopsForGoodEvenInsideItsOwnTick) {
    auto table = std::make_shared<HandlerTable>();
    int ticks = 0;
    table->bind("Form6", "Timer1", Event::Timer, [&](Program& p) {
        ++ticks;
        p.ensure_form("Form6")["Timer1"].set_interval(0);
    });
    auto program = program_with(table);
    program->ensure_form("Form6");
    program->advance(1000);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(program->find_form("Form6")->control("Timer1").interval(), 0);
    EXPECT_FALSE(program->next_due().has_value());
}

TEST(Timers, TicksDueTogetherComeInLayoutOrder) {
    auto table = std::make_shared<HandlerTable>();
    std::vector<std::string> order;
    for (const char* name : {"Timer6", "Timer7", "Timer2", "Tnalada", "Timer11", "Timer8"})
        table->bind("form1", name, Event::Timer, [&order, name](Program&) { order.emplace_back(name); });
    auto program = program_with(table);
    program->ensure_form("form1");
    program->advance(1000);
    EXPECT_EQ(order, (std::vector<std::string>{"Timer2", "Tnalada", "Timer6", "Timer7", "Timer8", "Timer11"}));
}

TEST(Timers, ALateTickIsDeliveredOnceAndStaysOnItsGrid) {
    auto table = std::make_shared<HandlerTable>();
    std::vector<Millis> ticks;
    table->bind("Form6", "Timer1", Event::Timer, [&](Program& p) { ticks.push_back(p.now()); });
    auto program = program_with(table);
    program->ensure_form("Form6");
    program->advance(95, LateTicks::Coalesce);
    EXPECT_EQ(ticks, (std::vector<Millis>{10}));
    EXPECT_EQ(program->next_due(), 100);
    program->advance(5, LateTicks::Coalesce);
    EXPECT_EQ(ticks, (std::vector<Millis>{10, 100}));
}

TEST(Timers, TimersRunWhateverTheirWindowsVisibility) {
    auto table = std::make_shared<HandlerTable>();
    int ticks = 0;
    table->bind("Form8", "Timer1", Event::Timer, [&](Program&) { ++ticks; });
    auto program = program_with(table);
    program->ensure_form("Form8");
    program->advance(100);
    EXPECT_EQ(ticks, 10);
}

TEST(End, StopsEveryHandlerAndWindow) {
    auto table = std::make_shared<HandlerTable>();
    int ticks = 0;
    table->bind("Form6", "Timer1", Event::Timer, [&](Program& p) {
        if (++ticks == 3) p.end();
    });
    auto program = program_with(table);
    program->show("Form6");
    program->advance(1000);
    EXPECT_EQ(ticks, 3);
    EXPECT_TRUE(program->ended());
    EXPECT_FALSE(program->find_form("Form6")->visible());
    EXPECT_FALSE(program->next_due().has_value());
    program->show("Form6");
    EXPECT_FALSE(program->find_form("Form6")->visible());
}

TEST(Damage, CoversOldAndNewRectanglesOfVisibleChangesOnly) {
    auto program = program_with(std::make_shared<HandlerTable>());
    Form& main = program->ensure_form("form1");
    main.take_damage();
    main["nn5"].set_caption("1");  // hidden flag: nothing to repaint
    EXPECT_FALSE(main.has_damage());
    main["zarazka"].set_left(12100);
    main["zarazka"].set_left(12200);
    Damage damage = main.take_damage();
    EXPECT_FALSE(damage.whole_window);
    ASSERT_EQ(damage.rects.size(), 2u);
    EXPECT_EQ(damage.rects[0], (RectTw{12000, 7560, 135, 255}));
    EXPECT_EQ(damage.rects[1], (RectTw{12200, 7560, 135, 255}));
    main["many"].set_caption("1000");  // unchanged: no damage
    EXPECT_FALSE(main.has_damage());
}
