#pragma once

// vmime needs the services of the platform (sockets, time, host name) registered once before
// its first use; every user of vmime calls this first. Safe from any thread.
void UseVmimePlatform();
