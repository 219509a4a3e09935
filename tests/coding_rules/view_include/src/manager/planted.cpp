// A model reaching into a view folder.
#include "manager/qt/manager_view.h"
