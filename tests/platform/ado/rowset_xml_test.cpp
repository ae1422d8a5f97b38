#include "ado_test_support.h"
#include "platform/ado/ado_errors.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tvx::ado {
namespace {

using testing::addRow;
using testing::errorOf;
using testing::makeLog;

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray crlf(QByteArray text) { return text.replace("\n", "\r\n"); }

class RowsetXml : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir_;
};

TEST_F(RowsetXml, WritesTheLogExactlyAsThePlatformDoes) {
    auto rs = makeLog();
    addRow(*rs, 1, "C-0001", "Aberto", 4521, QStringLiteral("Ração & acessórios <promo>"));
    addRow(*rs, 2, "C-0002", "Fechado", 0, QStringLiteral("Pedido d'Água"));
    rs->Save(path("log.xml"), adPersistXML);

    const QByteArray expected = crlf(QByteArray(R"(<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882'
	xmlns:dt='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882'
	xmlns:rs='urn:schemas-microsoft-com:rowset'
	xmlns:z='#RowsetSchema'>
<s:Schema id='RowsetSchema'>
	<s:ElementType name='row' content='eltOnly' rs:updatable='true'>
		<s:AttributeType name='Linha' rs:number='1' rs:write='true'>
			<s:datatype dt:type='int' dt:maxLength='4' rs:precision='0' rs:fixedlength='true' rs:maybenull='false'/>
		</s:AttributeType>
		<s:AttributeType name='c1' rs:name='Num.Cliente' rs:number='2' rs:nullable='true' rs:write='true'>
			<s:datatype dt:type='string' rs:dbtype='str' dt:maxLength='15' rs:precision='0'/>
		</s:AttributeType>
		<s:AttributeType name='Estado' rs:number='3' rs:nullable='true' rs:write='true'>
			<s:datatype dt:type='string' rs:dbtype='str' dt:maxLength='15' rs:precision='0'/>
		</s:AttributeType>
		<s:AttributeType name='Documento' rs:number='4' rs:nullable='true' rs:write='true'>
			<s:datatype dt:type='int' dt:maxLength='4' rs:precision='0' rs:fixedlength='true'/>
		</s:AttributeType>
		<s:AttributeType name='c4' rs:name='Descrição' rs:number='5' rs:nullable='true' rs:write='true'>
			<s:datatype dt:type='string' rs:dbtype='str' dt:maxLength='255' rs:precision='0'/>
		</s:AttributeType>
		<s:extends type='rs:rowbase'/>
	</s:ElementType>
</s:Schema>
<rs:data>
	<rs:insert>
		<z:row Linha='1' c1='C-0001' Estado='Aberto' Documento='4521' c4='Ração &amp; acessórios &lt;promo&gt;'/>
		<z:row Linha='2' c1='C-0002' Estado='Fechado' c4='Pedido d&#x27;Água'/>
	</rs:insert>
</rs:data>
</xml>
)"));
    EXPECT_EQ(readAll(path("log.xml")), expected);
}

TEST_F(RowsetXml, LogSurvivesSaveAndOpen) {
    auto rs = makeLog();
    const QString tricky = QStringLiteral("a & b < c > d 'e' \"f\"\r\nlinha 2\tfim");
    addRow(*rs, 1, "", "Erro", 0, tricky);
    addRow(*rs, 2, "", "Processado", 77, QStringLiteral("Ação concluída €"));
    rs->AddNew();
    rs->setValue("Linha", 3);
    rs->Update();  // every other field Null
    rs->MoveLast();
    rs->Save(path("log.xml"));
    EXPECT_EQ(rs->AbsolutePosition(), 1);
    EXPECT_EQ(errorOf([&] { rs->Save(path("log.xml")); }), err::FileAlreadyExists);

    Recordset back;
    back.Open(path("log.xml"), "Provider=MSPersist;", adOpenForwardOnly, adLockBatchOptimistic, adCmdFile);
    EXPECT_EQ(back.Source(), path("log.xml"));
    ASSERT_EQ(back.Fields().Count(), 5);
    for (int i = 0; i < 5; ++i) {
        const FieldInfo& a = rs->Fields().Item(i).info();
        const FieldInfo& b = back.Fields().Item(i).info();
        EXPECT_EQ(a.name, b.name);
        EXPECT_EQ(a.type, b.type);
        EXPECT_EQ(a.definedSize, b.definedSize);
        EXPECT_EQ(a.attributes, b.attributes) << a.name.toStdString();
    }
    ASSERT_EQ(back.RecordCount(), 3);
    back.MoveFirst();
    EXPECT_EQ(back.value(QStringLiteral("Descrição")), Variant(tricky));
    EXPECT_EQ(back.value("Num.Cliente"), Variant(""));
    EXPECT_TRUE(back.value("Documento").isNull());
    back.MoveNext();
    EXPECT_EQ(back.value("Documento"), Variant(77));
    EXPECT_EQ(back.value(QStringLiteral("DESCRIÇÃO")), Variant(QStringLiteral("Ação concluída €")));
    back.MoveNext();
    EXPECT_TRUE(back.value("Estado").isNull());

    // Rows read back are still pending additions, so a second save keeps rs:insert.
    back.Save(path("again.xml"));
    EXPECT_TRUE(readAll(path("again.xml")).contains("\t<rs:insert>\r\n\t\t<z:row Linha='1' c1='' Estado='Erro'"));
}

TEST_F(RowsetXml, SavesOnlyTheRowsTheFilterShows) {
    auto rs = makeLog();
    addRow(*rs, 1, "", "OK", 0, "a");
    addRow(*rs, 2, "", "erro", 0, "b");
    rs->setFilter("Estado = 'Erro'");
    rs->Save(path("errors.xml"));
    Recordset back;
    back.Open(path("errors.xml"), "Provider=MSPersist;");
    ASSERT_EQ(back.RecordCount(), 1);
    EXPECT_EQ(back.value("Linha"), Variant(2));
}

TEST_F(RowsetXml, KeepsEveryTypeAndPendingState) {
    FieldInfo id = fieldOf("ID", adInteger, 4, adFldFixed | adFldKeyColumn | adFldUpdatable);
    id.baseTable = "qrl_PARAMETROS";
    id.baseColumn = "ID";
    id.autoIncrement = true;
    std::vector<FieldInfo> fields = {id,
                                     fieldOf("Valor", adCurrency, 8, adFldFixed | adFldUpdatable | adFldMayBeNull),
                                     fieldOf("Data", adDate, 16, adFldFixed | adFldMayBeNull),
                                     fieldOf("Pago", adBoolean, 2, adFldFixed | adFldMayBeNull),
                                     fieldOf("Taxa", adDouble, 8, adFldFixed | adFldMayBeNull),
                                     fieldOf("Banco", adVarWChar, 40, adFldMayBeNull),
                                     fieldOf("Banco", adVarWChar, 40, adFldMayBeNull)};
    const OaDate when = OaDate::fromDateTime(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)));
    std::vector<Variant> cells;
    for (int r = 1; r <= 3; ++r) {
        for (const Variant& v :
             {Variant(r), Variant(Currency::fromScaled(r * 12345)), Variant(when), Variant(r % 2 == 1),
              Variant(r / 8.0), Variant(QString("B%1").arg(r)), Variant::null()})
            cells.push_back(v);
    }
    Recordset rs;
    rs.openRows(fields, cells, "SELECT");
    EXPECT_TRUE(rs.pendingChanges().empty());
    rs.setAbsolutePosition(2);
    rs.setValue("Taxa", 9.75);
    rs.setValue("Pago", Variant::null());
    rs.MoveFirst();
    rs.Delete();
    rs.AddNew();
    rs.setValue("ID", 4);
    rs.setValue("Valor", "0.0001");
    rs.Update();
    rs.Save(path("all.xml"));
    const QByteArray text = readAll(path("all.xml"));
    EXPECT_TRUE(text.contains("name='c6' rs:name='Banco'")) << text.constData();
    EXPECT_TRUE(text.contains("Data='2024-03-05T14:07:09'"));
    EXPECT_TRUE(text.contains("rs:forcenull='Pago'"));

    Recordset back;
    back.Open(path("all.xml"), "Provider=MSPersist;");
    const auto changes = back.pendingChanges();
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(back.RecordCount(), 3);
    back.MoveFirst();  // the row modified in place comes first, as it was written
    EXPECT_EQ(back.value("Taxa"), Variant(9.75));
    EXPECT_TRUE(back.value("Pago").isNull());
    EXPECT_EQ(back.value("Data"), Variant(when));
    EXPECT_EQ(back.value("Valor"), Variant(Currency::fromScaled(24690)));
    back.MoveLast();
    EXPECT_EQ(back.value("Valor"), Variant(Currency::fromScaled(1)));
    const FieldInfo& key = back.Fields().Item("id").info();
    EXPECT_TRUE(key.isKeyColumn());
    EXPECT_TRUE(key.autoIncrement);
    EXPECT_EQ(key.baseTable, "qrl_PARAMETROS");
    int added = 0, modified = 0, deleted = 0;
    for (const auto& c : changes) {
        added += c.status == RowStatus::Added;
        modified += c.status == RowStatus::Modified;
        deleted += c.status == RowStatus::Deleted;
        if (c.status == RowStatus::Modified) {
            EXPECT_EQ(c.original[4], Variant(0.25));
        } else if (c.status == RowStatus::Deleted) {
            EXPECT_EQ(c.original[0], Variant(1));
        }
    }
    EXPECT_EQ(added + modified * 10 + deleted * 100, 111);
    back.acceptChanges();
    EXPECT_TRUE(back.pendingChanges().empty());
}

TEST_F(RowsetXml, BigIntegersBeyond32BitsSurviveSaveAndOpen) {
    // Found by the rowset_xml fuzz target: they were written as "2e+10", which no integer column reads.
    Recordset rs;
    rs.Fields().Append("Total", adBigInt);
    rs.Open();
    for (const double total : {2e10, -9.2e18, 7.0}) {
        rs.AddNew();
        rs.setValue("Total", total);
    }
    rs.Update();
    rs.Save(path("big.xml"));
    EXPECT_TRUE(readAll(path("big.xml")).contains("Total='20000000000'"));
    Recordset back;
    back.Open(path("big.xml"), "Provider=MSPersist;");
    back.MoveFirst();
    EXPECT_EQ(back.value("Total"), Variant(2e10));
    back.MoveNext();
    EXPECT_EQ(back.value("Total"), Variant(-9.2e18));
    back.MoveNext();
    EXPECT_EQ(back.value("Total"), Variant(7));
}

TEST_F(RowsetXml, ReadsFilesWrittenByOtherHands) {
    // Double quotes, types referenced from the row type, s:Extends, a BOM,
    // an untyped column, entity forms and pending blocks.
    writeFile(path("other.xml"),
              QByteArray("\xEF\xBB\xBF") + R"(<xml xmlns:s="uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882"
 xmlns:dt="uuid:C2F41010-65B3-11d1-A29F-00AA00C14882" xmlns:rs="urn:schemas-microsoft-com:rowset"
 xmlns:z="#RowsetSchema">
  <s:Schema id="RowsetSchema">
    <s:ElementType name="row" content="eltOnly">
      <s:attribute type="ShipperID"/>
      <s:attribute type="c1"/>
      <s:attribute type="Ativo"/>
      <s:attribute type="Nota"/>
      <s:Extends type="rs:rowbase"/>
    </s:ElementType>
    <s:AttributeType name="Nota"/>
    <s:AttributeType name="ShipperID"><s:datatype dt:type="int"/></s:AttributeType>
    <s:AttributeType name="c1" rs:name="Company Name"><s:datatype dt:type="string" dt:maxLength="40"/></s:AttributeType>
    <s:AttributeType name="Ativo" dt:type="boolean"/>
  </s:Schema>
  <rs:data>
    <z:row ShipperID="1" c1="Speedy &apos;Express&apos;" Ativo="1" Nota="x"/>
    <z:row ShipperID="2" c1="United &#39;Package&#x27;" Ativo="false"/>
    <rs:update>
      <rs:original><z:row ShipperID="3" c1="Federal" Ativo="True" Nota="antes"/></rs:original>
      <z:row Nota="depois"/>
    </rs:update>
    <rs:delete><z:row ShipperID="4" c1="Gone"/></rs:delete>
    <rs:insert><z:row ShipperID="5" c1="New &amp; Co"/></rs:insert>
  </rs:data>
</xml>)");
    Recordset rs;
    rs.Open(path("other.xml"), "Provider=MSPersist;");
    ASSERT_EQ(rs.Fields().Count(), 4);
    EXPECT_EQ(rs.Fields().Item(1).Name(), "Company Name");
    EXPECT_EQ(rs.Fields().Item(0).Type(), adInteger);
    EXPECT_EQ(rs.Fields().Item(2).Type(), adBoolean);
    EXPECT_EQ(rs.Fields().Item(3).Type(), adVarWChar);
    EXPECT_EQ(rs.RecordCount(), 4);
    rs.MoveFirst();
    EXPECT_EQ(rs.value("Company Name"), Variant("Speedy 'Express'"));
    EXPECT_EQ(rs.value("Ativo"), Variant(true));
    rs.MoveNext();
    EXPECT_EQ(rs.value("company name"), Variant("United 'Package'"));
    EXPECT_EQ(rs.value("Ativo"), Variant(false));
    EXPECT_TRUE(rs.value("Nota").isNull());
    rs.MoveNext();
    EXPECT_EQ(rs.value("ShipperID"), Variant(3));
    EXPECT_EQ(rs.value("Nota"), Variant("depois"));
    rs.MoveNext();
    EXPECT_EQ(rs.value("Company Name"), Variant("New & Co"));
    EXPECT_EQ(rs.pendingChanges().size(), 3u);
}

TEST_F(RowsetXml, UnreadableFilesLeaveTheRecordsetClosed) {
    auto log = makeLog();
    addRow(*log, 1, "", "OK", 0, "a");
    log->Save(path("good.xml"));
    const QByteArray good = readAll(path("good.xml"));
    const QByteArray cases[] = {
        good.left(good.size() / 2),
        good.left(good.indexOf("<rs:data>")),
        QByteArray(good).replace("Linha='1'", "Linha='um'"),
        QByteArray(good).replace("c4='a'", "Nada='a'"),
        QByteArray(good).replace("RowsetSchema'>\r\n\t<s", "Outro'>\r\n\t<s"),
        "<html><body>not a rowset</body></html>",
        "Linha;Estado\r\n1;OK\r\n",
        "",
        "<xml></xml>",
    };
    int i = 0;
    for (const QByteArray& bytes : cases) {
        const QString file = path("bad") + QString::number(i++);
        writeFile(file, bytes);
        Recordset rs;
        rs.Fields().Append("Linha", adInteger);
        try {
            rs.Open(file, "Provider=MSPersist;", adOpenForwardOnly, adLockBatchOptimistic, adCmdFile);
            ADD_FAILURE() << "opened: " << bytes.constData();
        } catch (const AutomationError& e) {
            EXPECT_TRUE(e.description().contains(file)) << e.description().toStdString();
        }
        EXPECT_EQ(rs.State(), adStateClosed);
        EXPECT_EQ(rs.Fields().Count(), 0);
    }
    Recordset missing;
    EXPECT_NE(errorOf([&] { missing.Open(path("missing.xml"), "Provider=MSPersist;"); }), 0);
    EXPECT_EQ(missing.State(), adStateClosed);
    // Only the persistence provider reads files.
    EXPECT_EQ(errorOf([&] { missing.Open(path("good.xml"), "Provider=SQLOLEDB;"); }), err::ConnectionUnusable);
}

}  // namespace
}  // namespace tvx::ado
