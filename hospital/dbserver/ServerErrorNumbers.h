#pragma once

// The error numbers the stand-in raises, as the real server numbers the same
// failures, so that a desk reacts to them alike on both.
namespace hospital::dbserver::ServerError {

constexpr long CannotOpenDatabase = 4060;        // the folder does not hold the databases
constexpr long CannotCreateFolder = 5123;        // the folder cannot be made
constexpr long ServerUnavailable = 17;           // the server cannot be reached at all
constexpr long SyntaxError = 102;                // incorrect syntax near a token
constexpr long UnknownDatePart = 155;            // not a recognized datepart option
constexpr long MissingParameter = 201;           // a procedure parameter was not supplied
constexpr long InvalidObjectName = 208;          // no such table or view
constexpr long InvalidColumnName = 207;          // no such column
constexpr long DateConversionFailed = 241;       // text is not a date
constexpr long ConversionFailed = 245;           // text is not a number of the type
constexpr long InvalidStyle = 281;               // a CONVERT style the type does not have
constexpr long NullNotAllowed = 515;             // NULL into a NOT NULL column
constexpr long InvalidLength = 536;              // a negative length to a text function
constexpr long DatabaseNotFound = 911;           // USE or default database of an unknown name
constexpr long LockTimeout = 1222;               // waited longer than the lock timeout
constexpr long Deadlock = 1205;                  // chosen as the deadlock victim; the transaction is gone
constexpr long DuplicateKey = 2627;              // a primary-key violation
constexpr long ProcedureNotFound = 2812;         // no stored procedure of that name
constexpr long VarcharToNumeric = 8114;          // argument text that is not of the parameter's type
constexpr long TooManyArguments = 8144;          // more arguments than the procedure has parameters
constexpr long ConnectionLost = 10054;           // the connection was closed by the other side
constexpr long UserError = 50000;                // any other failure of the engine underneath
constexpr long NotTranslatable = 50010;          // a construct the translator does not know

} // namespace hospital::dbserver::ServerError
