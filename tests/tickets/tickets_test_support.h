#pragma once
// Shared by the ticket source tests: readable QString output and checks of
// raised errors with their number and source.
#include "platform/automation/automation_error.h"

#include <gtest/gtest.h>
#include <QString>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* out) { *out << '"' << s.toStdString() << '"'; }

// Expects `statement` to raise an AutomationError from `expectedSource`
// (and, when expectedNumber is not 0, with that number).
#define EXPECT_RAISED_FROM(statement, expectedNumber, expectedSource)   \
    do {                                                                \
        try {                                                           \
            (void)(statement);                                          \
            ADD_FAILURE() << #statement " raised nothing";              \
        } catch (const ::tvx::AutomationError& e) {                     \
            if ((expectedNumber) != 0) {                                \
                EXPECT_EQ(e.number(), (expectedNumber)) << e.what();    \
            }                                                           \
            EXPECT_EQ(e.source(), QString(expectedSource)) << e.what(); \
            EXPECT_FALSE(e.description().isEmpty());                    \
        }                                                               \
    } while (false)
