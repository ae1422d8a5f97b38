#pragma once
// The 28 view hooks of the entry object's interface, in the host's order,
// each with its argument list (every argument a variant by reference):
//   A3  oApi, vEmpresa, vUtilizador
//   A4  oApi, vEmpresa, vUtilizador, vCancel
//   C4  oApi, vCampo, vValor, vCancel
//   P5  vPai, oApi, vEmpresa, vUtilizador, vOperacao (vCancel for OnVistaVendasAbrir)
// and whether it does any work (W) or is only the entry convention (E).
// The declarations, the dispatch table and the tests are all made from it.
#define TVX_VIEW_HOOKS(X)                         \
    X(OnVistaComprasAbrir, A4, E)                 \
    X(OnVistaComprasAntesAbrir, A4, E)            \
    X(OnVistaComprasAntesDeAnular, A4, E)         \
    X(OnVistaComprasAntesDeFechar, A4, E)         \
    X(OnVistaComprasAntesDeGravar, A4, E)         \
    X(OnVistaComprasAnular, A3, E)                \
    X(OnVistaComprasFechar, A3, E)                \
    X(OnVistaComprasGravar, A3, E)                \
    X(OnVistaComprasLer, A3, E)                   \
    X(OnVistaComprasLimpar, A3, E)                \
    X(OnVistaComprasOperacao, P5, E)              \
    X(OnVistaComprasValidarLinha, A4, E)          \
    X(OnVistaComprasCampoCabecalhoValidar, C4, E) \
    X(OnVistaComprasCampoLinhasValidar, C4, E)    \
    X(OnVistaVendasAbrir, P5, W)                  \
    X(OnVistaVendasAntesAbrir, A4, E)             \
    X(OnVistaVendasAntesDeAnular, A4, E)          \
    X(OnVistaVendasAntesDeFechar, A4, E)          \
    X(OnVistaVendasAntesDeGravar, A4, E)          \
    X(OnVistaVendasAnular, A3, E)                 \
    X(OnVistaVendasFechar, A3, W)                 \
    X(OnVistaVendasGravar, A3, W)                 \
    X(OnVistaVendasLer, A3, E)                    \
    X(OnVistaVendasLimpar, A3, E)                 \
    X(OnVistaVendasOperacao, P5, E)               \
    X(OnVistaVendasValidarLinha, A4, E)           \
    X(OnVistaVendasCampoCabecalhoValidar, C4, E)  \
    X(OnVistaVendasCampoLinhasValidar, C4, E)

// The parameter lists, unnamed (most hooks read none of them).
#define TVX_HOOK_PARAMS_A3 (::tvx::Variant&, ::tvx::Variant&, ::tvx::Variant&)
#define TVX_HOOK_PARAMS_A4 (::tvx::Variant&, ::tvx::Variant&, ::tvx::Variant&, ::tvx::Variant&)
#define TVX_HOOK_PARAMS_C4 TVX_HOOK_PARAMS_A4
#define TVX_HOOK_PARAMS_P5 (::tvx::Variant&, ::tvx::Variant&, ::tvx::Variant&, ::tvx::Variant&, ::tvx::Variant&)
