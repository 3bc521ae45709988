#include "base/testseams.h"

#include <atomic>

namespace {
const TestSeams kDefaults;
// Atomic because a command may run its files on a worker thread.
std::atomic<const TestSeams *> installed{nullptr};
} // namespace

const TestSeams &Seams() {
    const TestSeams *seams = installed.load();
    return seams ? *seams : kDefaults;
}

void InstallTestSeams(const TestSeams *seams) {
    installed.store(seams);
}
