#include "game.h"

#include "main_screen/bindings.h"

namespace tarvik {

std::shared_ptr<const HandlerTable> game_handlers() {
    static const std::shared_ptr<const HandlerTable> table = [] {
        auto handlers = std::make_shared<HandlerTable>();
        bind_splash(*handlers);
        bind_main_screen(*handlers);
        bind_naming_box(*handlers);
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
