#include "platform/host/roles.h"

namespace lumar::host {

ImportedTables& imported() {
    static ImportedTables tables;
    return tables;
}

}  // namespace lumar::host
