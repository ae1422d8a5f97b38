#pragma once
// What the receipt tests share: the company database the helpers query, and
// the error a call raises.
#include "platform/automation/automation_error.h"
#include "settings/dal_comandos.h"
#include "support/fake_company_db.h"

#include <gtest/gtest.h>
#include <functional>
#include <optional>

namespace tvx::testing {

class CompanyDbTest : public ::testing::Test {
protected:
    void SetUp() override { comandos.HlpDb_LigacaoSet(db); }

    void factura(const QString& tipo, std::int32_t numero, const char* total, const QString& terceiro = "C0001",
                 std::int16_t sinalCt = 1) {
        db->addFactura({tipo, numero, 1, 2024, terceiro, Currency::parse(QString::fromUtf8(total)), sinalCt});
    }

    std::shared_ptr<FakeCompanyDb> db = std::make_shared<FakeCompanyDb>();
    DalComandos comandos;
};

inline std::optional<AutomationError> raised(const std::function<void()>& f) {
    try {
        f();
    } catch (const AutomationError& e) {
        return e;
    }
    return std::nullopt;
}

}  // namespace tvx::testing
