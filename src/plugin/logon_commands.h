#pragma once

// The session commands of the "&Lumar" menu: log on and log off. Both are
// menu execute procedures whose argument is ignored; the log-off is also what
// the quit check runs.

namespace lumar {

// Shows the "Log on" dialog; on OK clears the store, logs on with the
// scrambled password, greets the user and loads the lookup lists.
void LogonCommand(void* clientData);

// Closes the publication manager if it is open, tells the service, and
// clears the store whatever the service answered.
void LogoffCommand(void* clientData);

// Loads the five lookup lists into the store in their fixed order; the first
// failure is shown and the later lists stay empty. False on a failure.
bool LoadLookupLists();

}  // namespace lumar
