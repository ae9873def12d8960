#include "NutriFrom.h"
#include "VelmoraApplication.h"

#include <exception>

int main(int argc, char *argv[]) {
    VelmoraApplication app(argc, argv);
    // A failure while the window and its services start is shown, and the program ends.
    try {
        TNutriFrom window;
        window.show();
        return VelmoraApplication::exec();
    } catch (const std::exception &failure) {
        VelmoraApplication::ShowFailure(failure);
    } catch (...) {
        VelmoraApplication::ShowUnknownFailure();
    }
    return 0;
}
