// Command routing: a command that a window does not handle goes on to its
// owner and finally to the application object.
#pragma once

namespace zentavo {

class CommandTarget {
public:
    // Handles the command if this target has a handler for it; returns
    // whether it had one.
    virtual bool OnCmdMsg(int id) = 0;

protected:
    ~CommandTarget() = default;
};

// The application object, last stop of every routed command; none while no
// application object exists.
CommandTarget* ApplicationCommandTarget();
void SetApplicationCommandTarget(CommandTarget* target);

}  // namespace zentavo
