#pragma once
// The configuration window's grid: five categories and their eighteen items,
// in the order they appear, each item with its identifier, caption,
// description, the parameters column it shows and the list it picks from.
// The identifiers are not in grid order (1004 to 1008 sit in "Artigos",
// 1007 after 1008); both orders are the window's.
#include <QString>
#include <cstdint>
#include <vector>

namespace tvx::configuracao {

// Where a list item's entries come from; Texto: a text item, without a list.
enum class Lista { Texto, TiposDoc, Series, Sectores, SimNao, Artigos, Armazens, MotivosIsencao };

struct ItemLayout {
    std::int16_t id;
    QString caption;
    QString description;
    QString column;  // in qrl_PARAMETROS
    Lista lista;
    int flags = 0;
    bool masked = false;

    bool isText() const { return lista == Lista::Texto; }
};

struct CategoriaLayout {
    QString caption;
    QString description;
    std::vector<ItemLayout> items;
};

const std::vector<CategoriaLayout>& layoutConfiguracao();
// The item with identifier `id`; null for one outside the layout.
const ItemLayout* itemLayout(std::int32_t id);

}  // namespace tvx::configuracao
