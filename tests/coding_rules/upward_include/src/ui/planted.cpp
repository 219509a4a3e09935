// A model of the user-interface folder reaching up into the plug-in shell.
#include "plugin/plugin_init.h"
