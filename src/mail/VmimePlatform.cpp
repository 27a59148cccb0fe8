#include "mail/VmimePlatform.h"

#include <vmime/vmime.hpp>
#ifdef _WIN32
#include <vmime/platforms/windows/windowsHandler.hpp>
#else
#include <vmime/platforms/posix/posixHandler.hpp>
#endif

void UseVmimePlatform()
{
    static const bool registered = [] {
#ifdef _WIN32
        vmime::platform::setHandler<vmime::platforms::windows::windowsHandler>();
#else
        vmime::platform::setHandler<vmime::platforms::posix::posixHandler>();
#endif
        return true;
    }();
    (void)registered;
}
