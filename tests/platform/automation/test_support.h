#pragma once
// Shared by the automation tests: readable QString output and EXPECT_RAISES.
#include "platform/automation/automation_error.h"

#include <gtest/gtest.h>
#include <QString>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* out) { *out << '"' << s.toStdString() << '"'; }

// Expects `statement` to raise an AutomationError with the given number.
#define EXPECT_RAISES(statement, expectedNumber)                                        \
    do {                                                                                \
        try {                                                                           \
            (void)(statement);                                                          \
            ADD_FAILURE() << #statement " raised nothing, expected " << expectedNumber; \
        } catch (const ::tvx::AutomationError& e) {                                     \
            EXPECT_EQ(e.number(), expectedNumber) << #statement ": " << e.what();       \
        }                                                                               \
    } while (false)
