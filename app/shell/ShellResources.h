#pragma once

// The shell's compiled-in resources (themes under ":/Themes", the Russian
// translation under ":/Translation") live in a static library, so they are
// registered explicitly before first use.
class ShellResources
{
public:
    static void init();
};
