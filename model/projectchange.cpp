#include "model/projectchange.h"

namespace
{

struct Subscription {
    const void *owner = nullptr;
    ProjectChange::Listener listener;
};

Subscription &subscription()
{
    static Subscription instance;
    return instance;
}

int silences = 0;

} // namespace

void ProjectChange::listen(const void *owner, Listener listener)
{
    subscription() = {owner, std::move(listener)};
}

void ProjectChange::stopListening(const void *owner)
{
    if (subscription().owner == owner)
        subscription() = {};
}

void ProjectChange::announce()
{
    if (subscription().listener && silences == 0)
        subscription().listener();
}

ProjectChange::Silence::Silence()
{
    ++silences;
}

ProjectChange::Silence::~Silence()
{
    --silences;
}
