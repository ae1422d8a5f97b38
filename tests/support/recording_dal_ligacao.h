#pragma once
// A company database connection that records every call with its exact
// texts and answers from a script: record sets for Consultar, a number for
// Executar, the record set Gravar hands back, or an error for any call.
#include "host_api/dal_ligacao.h"
#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"

#include <deque>
#include <optional>
#include <vector>

namespace tvx::testing {

struct LigacaoCall {
    QString metodo;  // "Consultar", "Executar" or "Gravar"
    QString chave;
    QString sql;
    int cursor = 0;
    int opcoes = 0;
    std::shared_ptr<ado::Recordset> rs;  // what Gravar was given
};

class RecordingDalLigacao : public DalLigacao {
public:
    bool Abrir(const QString&) override { return true; }
    void Fechar() override {}
    void Consultar(const QString& sChave, const QString& sSql, std::shared_ptr<ado::Recordset>& rs, int iCursor,
                   int iOpcoes) override {
        calls.push_back({QStringLiteral("Consultar"), sChave, sSql, iCursor, iOpcoes, nullptr});
        failIfScripted();
        rs = resultados.empty() ? emptyRecordset() : resultados.front();
        if (!resultados.empty()) resultados.pop_front();
    }
    std::int16_t Executar(const QString& sChave, const QString& sSql) override {
        calls.push_back({QStringLiteral("Executar"), sChave, sSql, 0, 0, nullptr});
        failIfScripted();
        return resposta;
    }
    void Gravar(const QString& sChave, std::shared_ptr<ado::Recordset>& rs) override {
        calls.push_back({QStringLiteral("Gravar"), sChave, QString(), 0, 0, rs});
        failIfScripted();
        rs = gravado;
    }

    // A record set of one text field holding `rows` rows.
    static std::shared_ptr<ado::Recordset> recordsetWithRows(int rows) {
        auto rs = std::make_shared<ado::Recordset>();
        rs->Fields().Append(QStringLiteral("CODIGO"), ado::adVarChar, 20);
        rs->Open();
        for (int i = 0; i < rows; ++i) {
            rs->AddNew();
            rs->setValue(QStringLiteral("CODIGO"), Variant(QString::number(i)));
            rs->Update();
        }
        return rs;
    }
    static std::shared_ptr<ado::Recordset> emptyRecordset() { return recordsetWithRows(0); }

    std::vector<LigacaoCall> calls;
    std::deque<std::shared_ptr<ado::Recordset>> resultados;
    std::int16_t resposta = 0;
    std::shared_ptr<ado::Recordset> gravado;
    std::optional<AutomationError> falha;

private:
    void failIfScripted() {
        if (falha) throw *falha;
    }
};

}  // namespace tvx::testing
