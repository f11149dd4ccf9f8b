#pragma once

// Opens a TCP connection to the maker's web server (its https port), waits up to timeoutMs and
// answers whether the socket then is anything but unconnected. Blocks the caller meanwhile.
bool isNetworkAvailable(int timeoutMs = 6000);
