#include "game.h"

#include "board/bindings.h"
#include "catalogue/bindings.h"
#include "events/bindings.h"
#include "main_screen/bindings.h"
#include "river/bindings.h"

namespace tarvik {

std::shared_ptr<const HandlerTable> game_handlers() {
    static const std::shared_ptr<const HandlerTable> table = [] {
        auto handlers = std::make_shared<HandlerTable>();
        bind_splash(*handlers);
        bind_main_screen(*handlers);
        bind_naming_box(*handlers);
        bind_clockwork(*handlers);
        bind_animations(*handlers);
        bind_catalogue(*handlers);
        bind_price_list(*handlers);
        bind_lots(*handlers);
        bind_crossings(*handlers);
        bind_watchers(*handlers);
        bind_mining_incident(*handlers);
        bind_airport_hijack(*handlers);
        bind_rail_offer(*handlers);
        bind_victory(*handlers);
        return handlers;
    }();
    return table;
}

std::unique_ptr<Program> new_game(TimeOfDayText time_of_day) {
    auto program = std::make_unique<Program>(game_handlers(), std::move(time_of_day));
    program->start("Form4");
    return program;
}

}  // namespace tarvik
