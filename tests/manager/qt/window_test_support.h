#pragma once

// What the manager's window tests share: a demo user logged on as the
// session would log them on, answering the next message box or popup menu
// from inside the event loop, and PDFs with a data annotation on each page.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <filesystem>
#include <string>

namespace lumar::testing {

// Logs the demo user `login` on and loads the lookup lists, as the session
// does; the user's User_ID.
std::int32_t LogOnAsDemoUser(const std::string& login);

// Answers the next message box with the button of that text (without its
// "&"); `text` gets the box's text when given.
void AnswerNextMessageBox(const QString& button, QString* text = nullptr);

// Chooses the item with that title (without its "&") from the next popup
// menu; `titles` gets every title the menu showed.
void ChooseFromNextMenu(const QString& title, QStringList* titles);

// A PDF of `pages` pages, each with a data annotation "<stem> page <n>".
void WriteAnnotatedPdf(const std::filesystem::path& path, int pages);

}  // namespace lumar::testing
