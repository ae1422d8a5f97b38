#include "host_erp/company_schema.h"

namespace tvx::host_erp {

const QString& companySchemaSql() {
    static const QString sql = QStringLiteral(R"SQL(
CREATE TABLE EMPRESA (
    CODIGO      nvarchar(10)  NOT NULL COLLATE NOCASE PRIMARY KEY,
    NOME        nvarchar(100) NOT NULL,
    NCONTRIB    nvarchar(20)  NOT NULL DEFAULT '',
    MORADA      nvarchar(100) NOT NULL DEFAULT '',
    LOCALIDADE  nvarchar(50)  NOT NULL DEFAULT '',
    CODPOSTAL   nvarchar(20)  NOT NULL DEFAULT '',
    MOEDA       nvarchar(3)   NOT NULL DEFAULT 'EUR'
);
CREATE TABLE UTILIZADORES (
    LOGIN       nvarchar(30)  NOT NULL COLLATE NOCASE PRIMARY KEY,
    NOME        nvarchar(100) NOT NULL DEFAULT '',
    SAL         nvarchar(32)  NOT NULL,
    PASSWORDHASH nvarchar(64) NOT NULL,
    ACTIVO      bit           NOT NULL DEFAULT 1
);
CREATE TABLE TAXAS_IVA (
    CODIGO      smallint      NOT NULL PRIMARY KEY,
    DESCR       nvarchar(50)  NOT NULL,
    TAXA        float         NOT NULL,
    CONTACTB    nvarchar(20)  NOT NULL DEFAULT ''
);
CREATE TABLE MOTIVO_ISENCAO_IVA (
    CODIGO      nvarchar(3)   NOT NULL COLLATE NOCASE PRIMARY KEY,
    DESCRICAO   nvarchar(250) NOT NULL,
    NORMA       nvarchar(100) NOT NULL DEFAULT ''
);
CREATE TABLE REGIMES_IVA (
    CODIGO      nvarchar(3)   NOT NULL COLLATE NOCASE PRIMARY KEY,
    DESCR       nvarchar(50)  NOT NULL
);
CREATE TABLE MODOSPAG (
    CODIGO      nvarchar(3)   NOT NULL COLLATE NOCASE PRIMARY KEY,
    DESCR       nvarchar(50)  NOT NULL,
    CONTACTB    nvarchar(20)  NOT NULL DEFAULT ''
);
CREATE TABLE BANCOS (
    CODIGO      nvarchar(5)   NOT NULL COLLATE NOCASE PRIMARY KEY,
    NOME        nvarchar(100) NOT NULL,
    AGENCIA     nvarchar(50)  NOT NULL DEFAULT '',
    CONTA       nvarchar(50)  NOT NULL DEFAULT '',
    CONTACTB    nvarchar(20)  NOT NULL DEFAULT ''
);
CREATE TABLE CARTEIRAS (
    CODIGO      smallint      NOT NULL PRIMARY KEY,
    DESCR       nvarchar(50)  NOT NULL
);
CREATE TABLE SECTORES (
    CODIGO      nvarchar(3)   NOT NULL COLLATE NOCASE PRIMARY KEY,
    DESCR       nvarchar(50)  NOT NULL
);
CREATE TABLE ARMAZENS (
    CODIGO      nvarchar(6)   NOT NULL COLLATE NOCASE PRIMARY KEY,
    NOME        nvarchar(50)  NOT NULL,
    MORADA      nvarchar(100) NOT NULL DEFAULT ''
);
CREATE TABLE ARTIGOS (
    CODIGO      nvarchar(15)  NOT NULL COLLATE NOCASE PRIMARY KEY,
    NOME        nvarchar(100) NOT NULL,
    TIPO        nvarchar(1)   NOT NULL DEFAULT 'S',
    UNIDADE     nvarchar(5)   NOT NULL DEFAULT 'UN',
    TIPOIVA     smallint      NOT NULL REFERENCES TAXAS_IVA (CODIGO),
    MOTISENCAO  nvarchar(3)   COLLATE NOCASE REFERENCES MOTIVO_ISENCAO_IVA (CODIGO),
    PRECO       money         NOT NULL DEFAULT 0,
    MOVSTOCK    bit           NOT NULL DEFAULT 0,
    CONTACTB    nvarchar(20)  NOT NULL DEFAULT '',
    ACTIVO      bit           NOT NULL DEFAULT 1
);
CREATE TABLE CLIENTES (
    CODIGO      nvarchar(15)  NOT NULL COLLATE NOCASE PRIMARY KEY,
    NOME        nvarchar(100) NOT NULL,
    NCONTRIB    nvarchar(20)  NOT NULL DEFAULT '',
    MORADA      nvarchar(100) NOT NULL DEFAULT '',
    LOCALIDADE  nvarchar(50)  NOT NULL DEFAULT '',
    CODPOSTAL   nvarchar(20)  NOT NULL DEFAULT '',
    PAIS        nvarchar(2)   NOT NULL DEFAULT 'PT',
    MOEDA       nvarchar(3)   NOT NULL DEFAULT 'EUR',
    CONTACTB    nvarchar(20)  NOT NULL DEFAULT '',
    ACTIVO      bit           NOT NULL DEFAULT 1
);
CREATE TABLE TPDOC (
    CODIGO      nvarchar(3)   NOT NULL COLLATE NOCASE PRIMARY KEY,
    DESCR       nvarchar(50)  NOT NULL,
    AREAG       smallint      NOT NULL,
    ENTIDADE    smallint      NOT NULL DEFAULT 2,
    TPOPER      smallint      NOT NULL,
    NATCONTA    smallint      NOT NULL,
    SINALCT     smallint      NOT NULL DEFAULT 1,
    CATEGORIA   nvarchar(20)  NOT NULL,
    CERTIFICADO bit           NOT NULL DEFAULT 0,
    DIARIO      nvarchar(5)   NOT NULL DEFAULT '',
    ACTIVO      bit           NOT NULL DEFAULT 1
);
CREATE TABLE NOMSERIE (
    TIPODOC     nvarchar(3)   NOT NULL COLLATE NOCASE REFERENCES TPDOC (CODIGO),
    SERIE       smallint      NOT NULL,
    DESCR       nvarchar(50)  NOT NULL,
    ASSINADA    bit           NOT NULL DEFAULT 0,
    ACTIVA      bit           NOT NULL DEFAULT 1,
    PRIMARY KEY (TIPODOC, SERIE)
);
-- Last numbers given per series and year: final documents and documents in preparation.
CREATE TABLE NUMERACAO (
    TIPODOC     nvarchar(3)   NOT NULL COLLATE NOCASE,
    SERIE       smallint      NOT NULL,
    ANO         smallint      NOT NULL,
    ULTIMONUM   int           NOT NULL DEFAULT 0,
    ULTIMOPREP  int           NOT NULL DEFAULT 0,
    PRIMARY KEY (TIPODOC, SERIE, ANO),
    FOREIGN KEY (TIPODOC, SERIE) REFERENCES NOMSERIE (TIPODOC, SERIE)
);
CREATE TABLE DOCGCCAB (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    TPDOC       nvarchar(3)   NOT NULL COLLATE NOCASE REFERENCES TPDOC (CODIGO),
    ANO         smallint      NOT NULL,
    SERIE       smallint      NOT NULL,
    NNUMDOC     int           NOT NULL,
    EMPREPARACAO bit          NOT NULL DEFAULT 1,
    SECTOR      nvarchar(3)   NOT NULL COLLATE NOCASE REFERENCES SECTORES (CODIGO),
    Terceiro    nvarchar(15)  NOT NULL COLLATE NOCASE REFERENCES CLIENTES (CODIGO),
    NOME        nvarchar(100) NOT NULL DEFAULT '',
    NCONTRIB    nvarchar(20)  NOT NULL DEFAULT '',
    DATA        date          NOT NULL,
    DATAVENC    date,
    DATACARGA   date,
    HORACARGA   nvarchar(8)   NOT NULL DEFAULT '',
    TIPOPRECO   smallint      NOT NULL DEFAULT 0,
    MOEDA       nvarchar(3)   NOT NULL DEFAULT 'EUR',
    IVAINCL     bit           NOT NULL DEFAULT 0,
    PROCESSO    nvarchar(50)  NOT NULL DEFAULT '',
    VOSSONDOC   nvarchar(50)  NOT NULL DEFAULT '',
    ORIGEM      smallint      NOT NULL DEFAULT 0,
    TOTMERC     money         NOT NULL DEFAULT 0,
    TOTDESC     money         NOT NULL DEFAULT 0,
    TOTIVA      money         NOT NULL DEFAULT 0,
    TOTDOC      money         NOT NULL DEFAULT 0,
    VALORPAGO   money         NOT NULL DEFAULT 0,
    AREAG       smallint      NOT NULL,
    TPOPER      smallint      NOT NULL,
    NATCONTA    smallint      NOT NULL,
    SINALCT     smallint      NOT NULL,
    ANULADO     bit           NOT NULL DEFAULT 0,
    DATAFINAL   datetime,
    ASSINATURA  nvarchar(200) NOT NULL DEFAULT '',
    UTILIZADOR  nvarchar(30)  NOT NULL DEFAULT '',
    DATACRIACAO datetime      NOT NULL,
    UNIQUE (TPDOC, SERIE, ANO, NNUMDOC, EMPREPARACAO)
);
CREATE TABLE DOCGCLIN (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    IDCAB       int           NOT NULL REFERENCES DOCGCCAB (ID) ON DELETE CASCADE,
    NUMLINHA    int           NOT NULL,
    ORDENACAO   int           NOT NULL DEFAULT 0,
    TIPOLINHA   smallint      NOT NULL,
    ARTIGO      nvarchar(15)  NOT NULL DEFAULT '' COLLATE NOCASE,
    ARMAZEM     nvarchar(6)   NOT NULL DEFAULT '' COLLATE NOCASE,
    DESCRICAO   nvarchar(250) NOT NULL DEFAULT '',
    QUANTIDADE  float         NOT NULL DEFAULT 0,
    QTDORIGEM   float         NOT NULL DEFAULT 0,
    PRECOUNIT   float         NOT NULL DEFAULT 0,
    PRECOINTROD float         NOT NULL DEFAULT 0,
    TAXADESC    money         NOT NULL DEFAULT 0,
    TIPOIVA     smallint      NOT NULL DEFAULT 0,
    TAXAIVA     float         NOT NULL DEFAULT 0,
    MOTISENCAO  nvarchar(3)   NOT NULL DEFAULT '' COLLATE NOCASE,
    VALORLIQ    money         NOT NULL DEFAULT 0,
    VALORIVA    money         NOT NULL DEFAULT 0,
    TOTAL       money         NOT NULL DEFAULT 0,
    UNIQUE (IDCAB, NUMLINHA)
);
CREATE TABLE DOCFINCAB (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    TPDOC       nvarchar(3)   NOT NULL COLLATE NOCASE REFERENCES TPDOC (CODIGO),
    ANO         smallint      NOT NULL,
    SERIE       smallint      NOT NULL,
    NNUMDOC     int           NOT NULL,
    SECTOR      nvarchar(3)   NOT NULL COLLATE NOCASE REFERENCES SECTORES (CODIGO),
    DATA        date          NOT NULL,
    MOEDA       nvarchar(3)   NOT NULL DEFAULT 'EUR',
    TIPOTERC    smallint      NOT NULL DEFAULT 2,
    Terceiro    nvarchar(15)  NOT NULL COLLATE NOCASE REFERENCES CLIENTES (CODIGO),
    MODOPAG     nvarchar(3)   NOT NULL DEFAULT '' COLLATE NOCASE,
    BANCOEMP    nvarchar(5)   NOT NULL DEFAULT '' COLLATE NOCASE,
    AGENCIAEMP  nvarchar(50)  NOT NULL DEFAULT '',
    CONTABNCEMP nvarchar(50)  NOT NULL DEFAULT '',
    BANCO       nvarchar(5)   NOT NULL DEFAULT '' COLLATE NOCASE,
    CARTORIGEM  smallint      NOT NULL DEFAULT 0,
    CARTDESTINO smallint      NOT NULL DEFAULT 0,
    LIGACAOCTB  bit           NOT NULL DEFAULT 0,
    REGIMEIVA   nvarchar(3)   NOT NULL DEFAULT '' COLLATE NOCASE,
    VALORREG    money         NOT NULL DEFAULT 0,
    TOTDOC      money         NOT NULL DEFAULT 0,
    AREAG       smallint      NOT NULL,
    TPOPER      smallint      NOT NULL,
    NATCONTA    smallint      NOT NULL,
    SINALCT     smallint      NOT NULL,
    ANULADO     bit           NOT NULL DEFAULT 0,
    UTILIZADOR  nvarchar(30)  NOT NULL DEFAULT '',
    DATACRIACAO datetime      NOT NULL,
    UNIQUE (TPDOC, SERIE, ANO, NNUMDOC)
);
CREATE TABLE DOCFINLIN (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    IDCAB       int           NOT NULL REFERENCES DOCFINCAB (ID) ON DELETE CASCADE,
    NUMLINHA    int           NOT NULL,
    TPDOCLIQ    nvarchar(3)   NOT NULL COLLATE NOCASE,
    NNUMDOCLIQ  int           NOT NULL,
    SERIELIQ    smallint      NOT NULL,
    ANOLIQ      smallint      NOT NULL,
    VALORPAGO   money         NOT NULL,
    UNIQUE (IDCAB, NUMLINHA)
);
-- Accounting entries: one per source document (area COM or FIN), debit and credit lines.
CREATE TABLE MOVCTBCAB (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    AREA        nvarchar(3)   NOT NULL,
    TPDOC       nvarchar(3)   NOT NULL COLLATE NOCASE,
    ANO         smallint      NOT NULL,
    SERIE       smallint      NOT NULL,
    NNUMDOC     int           NOT NULL,
    DATA        date          NOT NULL,
    DIARIO      nvarchar(5)   NOT NULL DEFAULT '',
    DESCR       nvarchar(250) NOT NULL DEFAULT '',
    TOTDEBITO   money         NOT NULL DEFAULT 0,
    TOTCREDITO  money         NOT NULL DEFAULT 0,
    DATACRIACAO datetime      NOT NULL,
    UNIQUE (AREA, TPDOC, SERIE, ANO, NNUMDOC)
);
CREATE TABLE MOVCTBLIN (
    ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    IDCAB       int           NOT NULL REFERENCES MOVCTBCAB (ID) ON DELETE CASCADE,
    NUMLINHA    int           NOT NULL,
    CONTA       nvarchar(20)  NOT NULL,
    NATUREZA    nvarchar(1)   NOT NULL CHECK (NATUREZA IN ('D', 'C')),
    VALOR       money         NOT NULL,
    DESCR       nvarchar(250) NOT NULL DEFAULT '',
    UNIQUE (IDCAB, NUMLINHA)
);
CREATE INDEX DOCGCCAB_TERCEIRO ON DOCGCCAB (Terceiro);
CREATE INDEX DOCGCCAB_VOSSONDOC ON DOCGCCAB (VOSSONDOC, Terceiro);
CREATE INDEX DOCFINCAB_TERCEIRO ON DOCFINCAB (Terceiro);
)SQL");
    return sql;
}

}  // namespace tvx::host_erp
