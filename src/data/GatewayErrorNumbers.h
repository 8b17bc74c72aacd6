#pragma once

// Error numbers the gateway raises itself (not the server's), as the database
// access layer the desks were written against numbers them.
namespace pwo::GatewayError {

constexpr long ConversionFailed = 13;          // type mismatch on a conversion
constexpr long InvalidUseOfNull = 94;          // a null read as text, number or date
constexpr long ItemNotFound = 3265;            // no column of that name
constexpr long NoCurrentRecord = 3021;         // EOF or BOF is true
constexpr long PendingChanges = 3219;          // Close with changes not written back
constexpr long ObjectClosed = 3704;            // operation on a closed object
constexpr long ObjectOpen = 3705;              // Open on an object that is open
constexpr long NotUpdatable = 3251;            // AddNew/Update on a read-only set
constexpr long RowNotLocated = -2147217864;    // optimistic match found no row
constexpr long TransactionState = 3246;        // BeginTrans twice, Commit without
constexpr long ProviderNotFound = 3706;        // connection string names no backend
constexpr long ConnectionLost = -2147467259;   // the server went away; the next statement reconnects

} // namespace pwo::GatewayError
