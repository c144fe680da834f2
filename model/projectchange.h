#pragma once

#include <functional>

// Every change to the saved functions is announced here: a record added,
// replaced or removed, a store emptied, settings copied into other records.
// The window listens, to know when there is work that is not exported.
namespace ProjectChange
{

using Listener = std::function<void()>;

// One listener at a time; owner identifies it, so that a window going away
// after its successor started listening does not silence the successor.
void listen(const void *owner, Listener listener);
void stopListening(const void *owner);

void announce();

// While one lives, nothing is announced: for a look that puts everything back
// as it was (export reading its own file back into the stores).
class Silence
{
public:
    Silence();
    ~Silence();
    Silence(const Silence &) = delete;
    Silence &operator=(const Silence &) = delete;
};

} // namespace ProjectChange
