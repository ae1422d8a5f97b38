#pragma once
// The record-set constants as the platform numbers them; the add-in passes
// them as plain integers, so they are unscoped enumerations.

namespace tvx::ado {

enum DataType : int {
    adEmpty = 0,
    adSmallInt = 2,
    adInteger = 3,
    adSingle = 4,
    adDouble = 5,
    adCurrency = 6,
    adDate = 7,
    adBoolean = 11,
    adDecimal = 14,
    adTinyInt = 16,
    adUnsignedTinyInt = 17,
    adUnsignedSmallInt = 18,
    adUnsignedInt = 19,
    adBigInt = 20,
    adUnsignedBigInt = 21,
    adChar = 129,
    adWChar = 130,
    adNumeric = 131,
    adDBDate = 133,
    adDBTimeStamp = 135,
    adVarChar = 200,
    adLongVarChar = 201,
    adVarWChar = 202,
    adLongVarWChar = 203,
};

enum FieldAttribute : int {
    adFldUnspecified = -1,
    adFldUpdatable = 0x4,
    adFldUnknownUpdatable = 0x8,
    adFldFixed = 0x10,
    adFldIsNullable = 0x20,
    adFldMayBeNull = 0x40,
    adFldLong = 0x80,
    adFldKeyColumn = 0x8000,
};

enum ObjectState : int { adStateClosed = 0, adStateOpen = 1 };

enum CursorType : int {
    adOpenUnspecified = -1,
    adOpenForwardOnly = 0,
    adOpenKeyset = 1,
    adOpenDynamic = 2,
    adOpenStatic = 3,
};

enum LockType : int {
    adLockUnspecified = -1,
    adLockReadOnly = 1,
    adLockPessimistic = 2,
    adLockOptimistic = 3,
    adLockBatchOptimistic = 4,
};

// Open options (CommandTypeEnum).
enum CommandType : int {
    adCmdUnspecified = -1,
    adCmdText = 1,
    adCmdTable = 2,
    adCmdStoredProc = 4,
    adCmdUnknown = 8,
    adCmdFile = 256,
    adCmdTableDirect = 512,
};

enum PersistFormat : int { adPersistADTG = 0, adPersistXML = 1 };

enum SearchDirection : int { adSearchBackward = -1, adSearchForward = 1 };

enum PositionEnum : int { adPosUnknown = -1, adPosBOF = -2, adPosEOF = -3 };

enum EditMode : int { adEditNone = 0, adEditInProgress = 1, adEditAdd = 2 };

enum FilterGroup : int { adFilterNone = 0 };

}  // namespace tvx::ado
