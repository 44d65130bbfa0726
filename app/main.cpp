#include "app/application.h"
#include "profile/profile.h"

namespace {

// The one record of the user's answers; it lives until the process ends.
brindlex::PROFILE g_profile;

}  // namespace

int main(int argc, char* argv[]) {
    brindlex::APPLICATION application(argc, argv);
    return application.StartUp(g_profile);
}
