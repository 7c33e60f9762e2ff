#pragma once
// The one error type of the record layer and of the runtime conversions:
// a number the program and its callers know (3021 no current row,
// 13 type mismatch, 6 overflow, 94 invalid use of Null, ...) and a text.

#include <QString>
#include <stdexcept>

namespace ado {

class Error : public std::runtime_error
{
public:
    Error(long number, const QString &description)
        : std::runtime_error(description.toStdString())
        , number_(number)
        , description_(description)
    {}
    long number() const { return number_; }
    const QString &description() const { return description_; }

private:
    long number_;
    QString description_;
};

// Error numbers the program relies on.
namespace err {
constexpr long Overflow = 6;
constexpr long TypeMismatch = 13;
constexpr long PathFileAccess = 75; // a file or folder the program cannot use
constexpr long InvalidUseOfNull = 94;
constexpr long NoCurrentRecord = 3021;     // BOF or EOF is true, or the current row was deleted
constexpr long WrongType = 3421;           // a value the column cannot take
constexpr long ObjectClosed = 3704;        // operation on a closed object
constexpr long ReadOnly = 3251;            // operation not allowed by the recordset
constexpr long ItemNotFound = 3265;        // no field of that name or position
constexpr long FileNotFound = -2147467259; // cannot open the file
constexpr long BadPassword
    = -2147217843; // not a valid password, or page 1 damaged: the two look alike
constexpr long NoSuchTable = -2147217865; // cannot find the input table
constexpr long SqlFailed = -2147217900;   // the SQL text failed
// Failures of the file itself, told apart so that the user knows what to mend.
constexpr long ReadFailed = 3003;   // the disk failed while the file was read
constexpr long WriteFailed = 3004;  // the disk failed while the file was written
constexpr long FileReadOnly = 3027; // the file or its folder cannot be written
constexpr long NotAFile = 3044;     // a folder, or no ordinary file, where the file should be
constexpr long FileLocked = 3045;   // another program holds the file locked
constexpr long FileDamaged = 3049;  // a page of the file cannot be read
constexpr long NotEncrypted = 3343; // a database without a password: not one of ours
constexpr long DiskFull = 3734;     // no room left on the disk
} // namespace err

} // namespace ado
