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

} // namespace ProjectChange
