#pragma once
// How the calculation core and the file formats report failure, and input-output errors in the
// user's language.
//
// Here and in files/, a failure the user can cause is a value, never an exception: a missing,
// unreadable or malformed file, a number in a file that cannot be, a full disk, a layer or a table
// outside its limits. The value carries the Polish message that the window or the command line
// shows as it is, so every caller has to decide, visibly and checked by the compiler, what to do
// with it:
// - an operation that gives nothing back returns TBlad: no value on success, the message otherwise;
// - an operation that gives something back returns TWynik<T>: the value, or TBladWyniku with the
//   message. The message is a struct of its own, so that a result that is itself a text (the text
//   of a climate file) cannot be taken for its failure.
//
// Exceptions are left for what no input should cause, such as an index outside a table
// (std::out_of_range): programming errors, which the window's exception wrapper catches so that
// the program survives one. The one exception a user causes is BladKonwersji of the number parser
// (core/Liczby.h): it converts what the user types into a field, inside a window handler, whose
// wrapper shows its message as is. Nothing that reads a file calls the throwing parser: a number
// in a file is read without exceptions and a bad one is a value like any other failure.

#include <optional>
#include <string>
#include <variant>

namespace murolab {

// The failure of an operation without a result: nothing when it succeeded.
using TBlad = std::optional<std::string>;

// The failure of an operation with a result: the Polish message shown to the user.
struct TBladWyniku {
    std::string Komunikat;
};

// The result of an operation that can fail: the value or the failure.
template <typename T> using TWynik = std::variant<T, TBladWyniku>;

// The failure's message, or nullptr when `wynik` holds a value.
template <typename T> const std::string* Niepowodzenie(const TWynik<T>& wynik) {
    const auto* blad = std::get_if<TBladWyniku>(&wynik);
    return blad ? &blad->Komunikat : nullptr;
}

// A Polish description of errno `kod`, never the C library's English text ("błąd systemu nr N" for
// numbers without a description of their own).
std::string OpisBleduSystemu(int kod);

} // namespace murolab
