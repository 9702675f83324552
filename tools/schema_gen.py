#!/usr/bin/env python3
"""Writes src/data/schema.sql and docs/schema.md from the position layout below.

Every table starts with ID (position 0), the identity key the database fills,
unless its layout names position 0 itself: then its `ID` stands where the
layout puts it (type K, the identity key, or I, a number the writer fills).
Positions not listed get filler columns F<pos> so that every listed position
holds its column. Types: V = VARCHAR(100), L = VARCHAR(500), D = DATE,
T = TIME, I = INTEGER, R = DOUBLE PRECISION, S = VARCHAR(300), W = VARCHAR(4000),
K = INTEGER identity primary key.

A column is 'NAME:T' or a tuple ('NAME:T', meaning, read by): read by names the
reports, sheets and documents that take the column by its position from a whole
row; a column that is only named in queries has no readers.
"""
import sys

T = {}       # table -> (columns by position, None)
CHOICES = {} # table -> notes on the layout, for the catalogue


def table(name, cols, choices=()):
    T[name] = (cols, None)
    if choices:
        CHOICES[name] = list(choices)


def unpack(column):
    """(name, type letter, meaning, read by) of a column entry."""
    if isinstance(column, tuple):
        definition, meaning, readers = (column + ('', ''))[:3]
    else:
        definition, meaning, readers = column, '', ''
    name, _, t = definition.partition(':')
    return name, t or 'V', meaning, readers


table('REESTR', {
    1: ('TIP_VS', 'aircraft type', 'complex forecast, regional authority form, search-and-rescue annex 1, aircraft information sheet, withdrawal plans, certificate expiry sheet, weight and balance sheet, airworthiness-certificate documents, noise-certificate data'),
    2: ('VARIANT_VS', 'variant mark ("Т", "П", "ПС" or blank)', 'form 36-GA, regional authority form, life-extension applications, noise-certificate data'),
    3: ('BORTOVOI_NOMER', 'board number', 'complex forecast, form 36-GA, regional authority form, search-and-rescue annex 1, withdrawal plans, certificate expiry sheet, weight and balance sheet, airworthiness-certificate documents, noise-certificate data'),
    4: ('ZAVODSKOI_NOMER', 'serial number of the aircraft', 'form 36-GA, regional authority form, units installed in a period, lessor monthly report, aircraft information sheet, fleet state sheets, airworthiness-certificate documents, life-extension applications, noise-certificate data, technical-state act'),
    5: ('EXPLUATANT', 'operator code (`ID_NAME` of `EXPLUATANTY`)'),
    6: ('DATA_IGOTOVLEN:D', 'date of manufacture', 'complex forecast, form 36-GA, regional authority form, search-and-rescue annex 1, aircraft information sheet, airworthiness-certificate documents, noise-certificate data, technical-state act'),
    7: ('REMONT_ZAVOD', 'overhaul plant', 'form 36-GA, regional authority form, aircraft information sheet, airworthiness-certificate documents, technical-state act'),
    8: ('REMONT_DATA:D', 'date of the last overhaul', 'complex forecast, form 36-GA, regional authority form, search-and-rescue annex 1, units installed in a period, lessor monthly report, aircraft information sheet, airworthiness-certificate documents, noise-certificate data, technical-state act'),
    9: ('VSEGO_REMONTOV:I', 'number of overhauls (0 = never overhauled)', 'form 36-GA, regional authority form, search-and-rescue annex 1, aircraft information sheet, airworthiness-certificate documents, noise-certificate data, technical-state act'),
    10: ('SOBSTVENNOST', 'owner code (`ID_NAME` of `SOBSTVENNIKI`)'),
    11: ('SERTIFIKAT_LG', 'airworthiness certificate', 'certificate expiry sheet'),
    12: ('DATA_UDOSNOVERENIE_DO:D', 'date the airworthiness certificate is valid until', 'search-and-rescue annex 1, fleet state sheets, certificate expiry sheet'),
    13: ('CENTROVKA_PUSTOGO', 'balance of the empty aircraft, printed as stored', 'weight and balance sheet'),
    14: ('MASSA_PUSTOGO:R', 'mass of the empty aircraft, kg', 'airworthiness-certificate documents, noise-certificate data'),
    15: ('CENTROVKA_MAX:R', 'balance figure, printed times 1000 with its sign', 'weight and balance sheet'),
    16: ('RESURS_NAZN_CHASOV:I', 'assigned life, hours', 'form 36-GA, regional authority form, aircraft information sheet, airworthiness-certificate documents, technical-state act'),
    17: ('RESURS_NAZN_LET', 'assigned calendar life, years "." months (Y.MM)', 'form 36-GA, regional authority form, search-and-rescue annex 1, airworthiness-certificate documents, technical-state act'),
    18: ('MEZHREM_CHASOV:I', 'life between overhauls, hours', 'complex forecast, form 36-GA, regional authority form, search-and-rescue annex 1, aircraft information sheet, airworthiness-certificate documents, noise-certificate data, technical-state act'),
    19: ('MEZHREM_LET', 'calendar time between overhauls, Y.MM', 'regional authority form, search-and-rescue annex 1, airworthiness-certificate documents, noise-certificate data, technical-state act'),
    20: ('NARABOTKA_SNE', 'running time since new, "H:MM"', 'search-and-rescue annex 1, lessor monthly report, aircraft information sheet, airworthiness-certificate documents, technical-state act'),
    21: ('POSADKI_SNE:I', 'landings since new', 'form 36-GA, regional authority form, lessor monthly report, airworthiness-certificate documents, technical-state act'),
    22: ('NARABOTKA_PPR', 'running time since the last overhaul, "H:MM"',
         'complex forecast, component forecasts, search-and-rescue annex 1, aircraft information sheet, withdrawal plans, fleet state sheets, replacement plan, airworthiness-certificate documents, noise-certificate data, technical-state act'),
    23: ('POSADKI_PPR:I', 'landings since the last overhaul', 'form 36-GA, regional authority form, airworthiness-certificate documents, technical-state act'),
    24: ('DATE_REESTR_VVOD:D', 'date entered into the register (empty = open)'),
    25: ('DATA_POSL_POLETA:D', 'date of the last flight', 'aircraft information sheet'),
    26: ('DATE_REESTR_VYVOD:D', 'date removed from the register (empty = open)'),
    27: ('STATUS_TO:I', 'state code (4 = at the repair plant, non-zero = warning)', 'form 36-GA, fleet state sheets, certificate expiry sheet'),
    28: ('DATA_FORMY:D', 'date of the last periodic form', 'withdrawal plans, fleet state sheets'),
    29: ('DATA_F1:D', 'date of the last form F1', 'withdrawal plans, fleet state sheets'),
    30: ('MINUT_SNE:I', 'running time since new, whole minutes', 'form 36-GA, regional authority form'),
    31: ('MINUT_PPR:I', 'running time since the last overhaul, whole minutes', 'form 36-GA, regional authority form'),
    32: ('DATA_STATUS:D', 'date of the state code'),
    33: ('INDEX_FORMY:I', 'index of the last periodic form in the cycle (-1 = none)', 'withdrawal plans, fleet state sheets'),
    34: ('INDEX_F1:I', 'index of the last form F1 in the cycle', 'withdrawal plans, fleet state sheets'),
    40: ('UDOST_SHUM', 'noise certificate', 'certificate expiry sheet'),
    41: ('DATA_DO_UDO_SHUM:D', 'date the noise certificate is valid until', 'certificate expiry sheet'),
    42: ('ID_MESTO', 'location (`ID_MESTO` of `RASPOLOGENIA`)', 'fleet state sheets'),
    60: ('RESURS_NAZN_POSADOK:I', 'assigned life, landings', 'form 36-GA, airworthiness-certificate documents, technical-state act'),
    61: ('MEZHREM_POSADOK:I', 'life between overhauls, landings', 'form 36-GA, airworthiness-certificate documents, technical-state act'),
    64: ('UCHET_TO:I', '1 = periodic forms are reckoned for this aircraft', 'fleet state sheets'),
}, [
    '41 is `DATA_DO_UDO_SHUM`, the name the certificate expiry sheet orders by.',
    '15 is a number: the weight and balance sheet multiplies it by 1000 and prints its sign.',
    'Form 36-GA calls the running times of the register whole minutes: those are 30 and 31; 20 and 22 stay '
    '"H:MM" texts, as the search-and-rescue annex, the lessor report and the information sheet read them.',
])


def engine_like(model, kind):
    return {
        1: 'TIP_VS',
        2: (model, 'model', 'complex forecast, component forecasts, quarterly replacement report, overhaul-plant report, lessor monthly report, aircraft information sheet, airworthiness-certificate documents' + (', units installed in a period, withdrawal plans, life-extension applications, noise-certificate data' if kind == 'engine' else '')),
        3: ('ZAVODSKOI_NOMER', 'serial number',
            'complex forecast, component forecasts, quarterly replacement report, overhaul-plant report, lessor monthly report, aircraft information sheet, airworthiness-certificate documents' + (', withdrawal plans, life-extension applications, noise-certificate data' if kind == 'engine' else '')),
        4: ('IZGOTOVITEL', 'maker (plant of manufacture); the limited-life list prints it for a unit never repaired', 'airworthiness-certificate documents'),
        5: ('IZGOTOVLEN_DATA:D', 'date of manufacture', 'complex forecast, component forecasts, quarterly replacement report, aircraft information sheet, replacement plan, airworthiness-certificate documents, technical-state act' + (', noise-certificate data' if kind == 'engine' else '')),
        6: ('SOBSTVENNOST', 'owner code'),
        7: ('REMONT_ZAVOD', 'repair plant', 'quarterly replacement report, aircraft information sheet, airworthiness-certificate documents'),
        8: ('REMONT_DATA:D', 'date of the last repair', 'complex forecast, component forecasts, quarterly replacement report, aircraft information sheet, replacement plan, airworthiness-certificate documents'),
        9: ('VSEGO_REMONTOV:I', 'number of repairs', 'complex forecast, component forecasts, quarterly replacement report, aircraft information sheet, replacement plan, airworthiness-certificate documents'),
        10: ('DATA_KALENDAR:D', 'date from which calendar limits and flying on the aircraft count (set when calendar limits apply)',
             'quarterly replacement report, overhaul-plant report, lessor monthly report, replacement plan, airworthiness-certificate documents, technical-state act'),
        11: ('NARABOTKA_SNE', 'running time since new, "H:MM"', 'quarterly replacement report, overhaul-plant report, lessor monthly report, aircraft information sheet'),
        12: ('NARABOTKA_PPR', 'running time since the last repair, "H:MM"',
             'complex forecast, component forecasts, quarterly replacement report, overhaul-plant report, aircraft information sheet, replacement plan' + (', withdrawal plans' if kind == 'engine' else '')),
        13: ('GDE_STOIT', 'where installed: board number or a store word', 'overhaul-plant report'),
        14: ('DO_PERVOGO_CHASOV:I', 'life to the first overhaul, hours', 'complex forecast, component forecasts, quarterly replacement report, aircraft information sheet, replacement plan'),
        15: ('DO_PERVOGO_LET', 'calendar limit to the first overhaul, Y.MM', 'quarterly replacement report, replacement plan'),
        16: ('MEZHREMONTNYI_CHASOV:I', 'life between overhauls, hours', 'complex forecast, component forecasts, quarterly replacement report, aircraft information sheet, replacement plan'),
        17: ('MEZHREMONTNYI_LET', 'calendar limit between overhauls, Y.MM', 'quarterly replacement report, replacement plan'),
        18: ('NAZNACHENNYI_CHASOV:I', 'assigned life, hours', 'quarterly replacement report, aircraft information sheet, airworthiness-certificate documents'),
        19: ('NAZNACHENNYI_LET', 'assigned calendar life, Y.MM', 'quarterly replacement report, replacement plan, airworthiness-certificate documents'),
        20: ('DUBLICAT', '"1" = the passport is a duplicate'),
        23: ('ODIN_DVA', 'engine position ("0", "1" or "2")', 'lessor monthly report, aircraft information sheet' + (', life-extension applications' if kind == 'engine' else '')),
        24: ('TEKUSHEE_RASPOLOGENIE', 'store location while in store'),
        25: ('DATA_POSTUPLENIYA_V_PRED:D', 'date of arrival at the operator'),
        33: ('ZVEZDA:I', '1 = the remaining hours are marked with "*"', 'replacement plan'),
        36: ('PRODLEN:I', '1 = the life has been extended', 'quarterly replacement report'),
        46: ('SVOI_FORMY:I', '1 = maintenance forms of its own', 'withdrawal plans'),
        47: ('DATA_FORMY:D', 'date of its last form', 'withdrawal plans'),
        48: ('INDEX_FORMY:I', 'index of its last form', 'withdrawal plans'),
        59: ('PRODLEN_RESURS', 'extended life', 'quarterly replacement report'),
        60: ('PRODLEN_DATA:D', 'date of the extension', 'quarterly replacement report'),
    }


engine_choices = [
    '13 holds `GDE_STOIT`: the running-time report for the overhaul plant passes position 13 as the board number '
    'the unit is installed on. The store location `TEKUSHEE_RASPOLOGENIE` is read by name only and stands at 24.',
    '19 is the assigned calendar life (Y.MM): the limited-life list pairs it with the assigned hours of 18 and the '
    'replacement plan passes it to `FunDataSniatia` as the assigned calendar limit; `DATA_POSTUPLENIYA_V_PRED`, '
    'read by name only, stands at 25.',
    '2 is the model, as the forecasts, the information sheet, the lessor report and the application documents read '
    'it; the quarterly report on removed and installed components calls position 2 "where the component is now", '
    'which it is not here: that report shows the model there.',
    '4 is the maker: the limited-life list prints column 4 or the repair plant of 7 by the repair state.',
    '10 is a date: the quarterly report prints it, the overhaul-plant and lessor reports count from it; it is set '
    'when calendar limits apply.',
    '36, 59 and 60 are read only by the quarterly report on removed and installed components, which prints 60 as a '
    'date and 59 when 36 is 1; they are taken as the extension of the life.',
]
table('DVIGATEL', engine_like('NAZVANIE_DVIGATELYA', 'engine'), engine_choices)
red = engine_like('NAZVANIE_REDUCTORA', 'gearbox')
red.update({21: 'ID_NAME', 22: 'NAIMENOVANIE'})
table('REDUCTOR', red, ['Same positions as `DVIGATEL`; the choices there hold here.'])

table('LOPAST', {
    1: 'TIP_VS', 2: ('TIP_VINTA', 'rotor ("Несущий", "Хвостовой", "Воздушный")'),
    3: ('NAZVANIE', 'model', 'complex forecast, units installed in a period, lessor monthly report, aircraft information sheet, airworthiness-certificate documents, noise-certificate data'),
    4: ('ZAVODSKOY_NOMER', 'serial number', 'complex forecast, units installed in a period, lessor monthly report, aircraft information sheet, life-extension applications, noise-certificate data'),
    5: 'GDE_STOIT',
    6: ('IZGOTOVLEN_DATA:D', 'date of manufacture', 'complex forecast, aircraft information sheet, noise-certificate data'),
    7: 'SKLAD_ARZ',
    8: ('DATA_USTANOVKI:D', 'installation date', 'units installed in a period, lessor monthly report'),
    9: ('NARABOTKA_SNE', 'running time since new, "H:MM"', 'complex forecast, lessor monthly report, aircraft information sheet'),
    10: ('RESURS_CHASOV:I', 'assigned life, hours', 'complex forecast, aircraft information sheet'),
    18: ('NEPRERYVNO:I', '1 = running time counted continuously from the aircraft', 'complex forecast, quarterly replacement report, lessor monthly report, aircraft information sheet'),
    19: 'DUBLICAT',
    23: ('REMONT_ZAVOD', 'repair plant', 'aircraft information sheet'),
    24: ('REMONT_DATA:D', 'date of the last repair', 'aircraft information sheet'),
    25: ('VSEGO_REMONTOV:I', 'number of repairs', 'aircraft information sheet'),
    26: ('NARABOTKA_PPR', 'running time since the last repair, "H:MM"', 'complex forecast, quarterly replacement report, aircraft information sheet'),
    28: ('DO_PERVOGO_CHASOV:I', 'life to the first overhaul, hours', 'aircraft information sheet'),
    30: ('MEZHREMONTNYI_CHASOV:I', 'life between overhauls, hours', 'aircraft information sheet'),
}, ['8 is the installation date, as the list of units installed in a period and the lessor report read it; '
    '`DUBLICAT`, read by name only, stands at 19.',
    'The lessor monthly report prints for the main-rotor blades their model (3) and installation date (8), and for the '
    'blades of both rotors their total at the month\'s end: 9 less the flying after the month, or, for a blade counted '
    'from the aircraft (18 = 1), 9 plus the flying from its installation to the month\'s end; one value when every '
    'blade gives the same, otherwise each blade\'s in the order of the serial numbers.'])

table('HVOSTOVOY_VINT', {
    1: 'TIP_VS', 2: ('NAZVANIE_VINT', 'model', 'complex forecast, units installed in a period, lessor monthly report, aircraft information sheet, noise-certificate data'),
    3: ('ZAVODSKOY_NOMER', 'serial number', 'complex forecast, units installed in a period, aircraft information sheet, noise-certificate data'),
    4: ('IZGOTOVLEN_DATA:D', 'date of manufacture', 'complex forecast, aircraft information sheet, noise-certificate data'),
    6: 'NAIMENOVANIE', 7: 'TIP_VINTA', 8: ('ZAVODSKOY_NOMER_VTULKA', 'serial number of the hub'), 9: 'SKLAD_ARZ',
    10: 'DUBLICAT',
    11: ('REMONT_ZAVOD', 'repair plant', 'aircraft information sheet'),
    12: ('REMONT_DATA:D', 'date of the last repair', 'complex forecast, aircraft information sheet'),
    13: ('VSEGO_REMONTOV:I', 'number of repairs', 'complex forecast, aircraft information sheet'),
    14: ('GDE_STOIT', 'where installed: board number or a store word', 'aircraft information sheet'),
    17: ('DATA_USTANOVKI:D', 'installation date', 'units installed in a period, lessor monthly report'),
    19: ('NAZNACHENNYI_CHASOV:I', 'assigned life, hours', 'aircraft information sheet'),
    21: ('MEZHREMONTNYI_CHASOV:I', 'life between overhauls, hours', 'complex forecast, aircraft information sheet'),
    25: ('DO_PERVOGO_CHASOV:I', 'life to the first overhaul, hours', 'complex forecast, aircraft information sheet'),
    27: ('NEPRERYVNO:I', '1 = running time counted continuously', 'complex forecast, aircraft information sheet'),
    29: ('NARABOTKA_SNE', 'running time since new, "H:MM"', 'aircraft information sheet'),
    30: ('NARABOTKA_PPR', 'running time since the last repair, "H:MM"', 'complex forecast, aircraft information sheet'),
}, ['14 is the place column the information sheet tests against the store words, so `GDE_STOIT` stands there; '
    '17 is the installation date (units installed in a period, lessor report).'])

table('VOZDUSHNY_VINT', {
    1: 'TIP_VS', 2: ('NAZVANIE_VINTA', 'model', 'complex forecast, units installed in a period, aircraft information sheet'),
    3: ('ZAVODSKOY_NOMER', 'serial number', 'complex forecast, units installed in a period, aircraft information sheet'),
    4: 'TIP_VINTA', 5: 'GDE_STOIT', 6: 'SKLAD_ARZ',
    9: ('IZGOTOVLEN_DATA:D', 'date of manufacture', 'complex forecast, aircraft information sheet'),
    14: ('REMONT_ZAVOD', 'repair plant', 'aircraft information sheet'),
    15: ('REMONT_DATA:D', 'date of the last repair', 'complex forecast, aircraft information sheet'),
    16: ('VSEGO_REMONTOV:I', 'number of repairs', 'complex forecast, aircraft information sheet'),
    18: ('DATA_USTANOVKI:D', 'installation date', 'units installed in a period'),
    19: ('ODIN_DVA', 'position ("0", "1" or "2")', 'aircraft information sheet'),
    21: ('NAZNACHENNYI_CHASOV:I', 'assigned life, hours', 'aircraft information sheet'),
    23: ('MEZHREMONTNYI_CHASOV:I', 'life between overhauls, hours', 'complex forecast, aircraft information sheet'),
    29: ('NARABOTKA_SNE', 'running time since new, "H:MM"', 'aircraft information sheet'),
    30: ('NARABOTKA_PPR', 'running time since the last repair, "H:MM"', 'complex forecast, aircraft information sheet'),
    47: ('DO_PERVOGO_CHASOV:I', 'life to the first overhaul, hours', 'complex forecast, aircraft information sheet'),
})

unit = {
    1: 'TIP_VS',
    2: ('NAZVANIE', 'name (printed when the reference row is missing)', 'units installed in a period'),
    3: ('CHERT_NOMER', 'drawing number', 'units installed in a period'),
    4: ('ZAVODSKOY_NOMER', 'serial number', 'complex forecast, units installed in a period, life-extension applications'),
    6: ('IZGOTOVLEN_DATA:D', 'date of manufacture', 'complex forecast, life-extension applications'),
    7: 'NAIMENOVANIE',
    8: ('REMONT_ZAVOD', 'repair plant', 'life-extension applications'),
    9: ('REMONT_DATA:D', 'date of the last repair', 'complex forecast, life-extension applications'),
    10: ('VSEGO_REMONTOV:I', 'number of repairs', 'complex forecast, life-extension applications'),
    11: ('SYSTEMA', 'aircraft system, added after the drawing number unless "НЕТ"', 'life-extension applications'),
    12: 'MESTO_USTANOVKI', 13: 'TIP_OBORUDOVANIA',
    14: ('MEZHREMONTNYI_CHASOV:I', 'life between overhauls, hours', 'complex forecast'),
    15: 'PRINADLEGNOST', 16: 'NUMER_DVIG_VSU',
    17: ('NARABOTKA_SNE', 'running time since new', 'life-extension applications'),
    18: ('NARABOTKA_PPR', 'running time since the last repair', 'complex forecast, life-extension applications'),
    19: 'PLAN_DVIG_VSU', 20: 'SKLAD_ARZ', 21: 'DUBLICAT',
    24: ('ED_IZMERENIA', 'accounting kind ("0" hours, "1" landings, "2" years)', 'life-extension applications'),
    26: ('DATA_USTANOVKI:D', 'installation date', 'units installed in a period, life-extension applications'),
    27: ('GDE_STOIT', 'where installed: board number or a store word', 'life-extension applications'),
    28: ('AGR_DVIGATELIA:I', '0 = unit of the airframe, 1 = unit of an engine', 'complex forecast'),
    34: ('ID_NAME', 'reference `ID_NAME`', 'complex forecast, units installed in a period'),
    39: ('NEPRERYVNO:I', '1 = running time counted continuously', 'complex forecast, life-extension applications'),
    43: ('DO_PERVOGO_CHASOV:I', 'life to the first overhaul, hours', 'complex forecast'),
}
table('AGREGAT', unit, ['"The unit\'s column 2" and "its name (column 14)" of the replacement plan are positions of the '
                        'unit\'s reference row (`ETAAGREGAT` 2, drawing number, and 14, name), since 14 of `AGREGAT` is '
                        'the life between overhauls the forecast reads.'])
hub = dict(unit)
hub.update({5: 'TIP_VINTA', 13: 'SMAZKA', 48: ('DO_PERVOGO_CHASOV:I', 'life to the first overhaul, hours', 'complex forecast')})
del hub[28]
del hub[43]
table('VTULKA_NV', hub)
table('ZCU', {
    1: 'TIP_VS', 2: 'GDE_STOIT', 3: ('ID_NAME', 'reference `ID_NAME`', 'complex forecast, units installed in a period'), 4: 'NAIMENOVANIE', 5: 'SKLAD_ARZ',
    6: ('ZAVOD_NOMER', 'serial number', 'complex forecast, units installed in a period'),
    8: ('IZGOTOVLEN_DATA:D', 'date of manufacture', 'complex forecast'),
    9: 'REMONT_DATA:D',
    10: ('DATA_USTANOVKI:D', 'installation date', 'units installed in a period'),
    16: ('NEPRERYVNO:I', '1 = running time counted continuously', 'complex forecast'),
    19: ('VSEGO_REMONTOV:I', 'number of repairs', 'complex forecast'),
    20: ('MEZHREMONTNYI_CHASOV:I', 'life between overhauls, hours', 'complex forecast'),
    21: 'NARABOTKA_SNE',
    22: ('NARABOTKA_PPR', 'running time since the last repair, "H:MM"', 'complex forecast'),
    24: ('NAZVANIE', 'name, printed when the reference row is missing', 'units installed in a period'),
    25: ('CHERT_NOMER', 'drawing number, printed when the reference row is missing', 'units installed in a period'),
    27: ('DO_PERVOGO_CHASOV:I', 'life to the first overhaul, hours', 'complex forecast'),
})
table('LEBEDKA', {
    1: 'TIP_VS', 2: ('NAZVANIE_LEBEDKA', 'model', 'complex forecast, aircraft information sheet'),
    3: ('ZAVODSKOY_NOMER_LEBEDKA', 'serial number', 'complex forecast, aircraft information sheet'), 4: 'GDE_STOIT', 5: 'SKLAD_ARZ',
    8: ('IZGOTOVLEN_DATA:D', 'date of manufacture', 'complex forecast, aircraft information sheet'),
    11: ('REMONT_ZAVOD', 'repair plant', 'aircraft information sheet'),
    12: ('REMONT_DATA:D', 'date of the last repair', 'complex forecast, aircraft information sheet'),
    13: ('VSEGO_REMONTOV:I', 'number of repairs', 'complex forecast, aircraft information sheet'),
    14: 'DATA_USTANOVKI:D',
    19: ('NAZNACHENNYI_CHASOV:I', 'assigned life, hours', 'aircraft information sheet'),
    21: ('MEZHREMONTNYI_CHASOV:I', 'life between overhauls, hours', 'complex forecast, aircraft information sheet'),
    25: ('NEPRERYVNO:I', '1 = running time counted continuously', 'complex forecast, aircraft information sheet'),
    27: ('NARABOTKA_SNE', 'running time since new, "H:MM"', 'aircraft information sheet'),
    28: ('NARABOTKA_PPR', 'running time since the last repair, "H:MM"', 'complex forecast, aircraft information sheet'),
    36: ('DO_PERVOGO_CHASOV:I', 'life to the first overhaul, hours', 'complex forecast, aircraft information sheet'),
})

# APU: six life counters, each since new, since repair, assigned, to the first overhaul and between overhauls.
table('VSU', {
    1: ('NAZVANIE', 'model', 'lessor monthly report, aircraft information sheet, noise-certificate data'),
    2: ('ZAVODSKOY_NOMER', 'serial number', 'lessor monthly report, aircraft information sheet, noise-certificate data'),
    3: 'TIP_VS',
    4: ('IZGOTOVLEN_DATA:D', 'date of manufacture', 'aircraft information sheet, noise-certificate data'),
    5: ('REMONT_ZAVOD', 'repair plant', 'aircraft information sheet'),
    6: ('REMONT_DATA:D', 'date of the last repair', 'aircraft information sheet'),
    7: ('VSEGO_REMONTOV:I', 'number of repairs', 'aircraft information sheet, replacement plan'),
    8: ('MESTO_USTANOVKI', 'where installed: board number or a store word'),
    9: ('DATA_USTANOVKI:D', 'installation date (flying on the aircraft counts from it)', 'lessor monthly report'),
    10: ('ZAPUSKI_SNE:I', 'starts since new', 'aircraft information sheet'),
    11: ('ZAPUSKI_PPR:I', 'starts since the last repair', 'aircraft information sheet, replacement plan'),
    12: ('OTBORY_SNE:I', 'bleed extractions since new', 'aircraft information sheet'),
    13: ('OTBORY_PPR:I', 'bleed extractions since the last repair', 'aircraft information sheet, replacement plan'),
    14: ('GENERATORNY_SNE', 'generator hours since new, "H:MM"', 'aircraft information sheet'),
    15: ('GENERATORNY_PPR', 'generator hours since the last repair, "H:MM"', 'aircraft information sheet'),
    16: ('OBSHAIA_SNE', 'total hours since new, "H:MM"', 'lessor monthly report, aircraft information sheet'),
    17: ('OBSHAIA_PPR', 'total hours since the last repair, "H:MM"', 'aircraft information sheet'),
    18: ('ZAPUSKI_NAZN:I', 'assigned life, starts', 'aircraft information sheet'),
    19: ('ZAPUSKI_MEGREMONTNY:I', 'starts between overhauls', 'aircraft information sheet, replacement plan'),
    20: ('OTBORY_NAZN:I', 'assigned life, bleed extractions', 'aircraft information sheet'),
    21: ('OTBORY_MEGREMONTNY:I', 'bleed extractions between overhauls', 'aircraft information sheet, replacement plan'),
    22: ('GENERAT_NAZN:I', 'assigned life, generator hours', 'aircraft information sheet'),
    23: ('GENERAT_MEZHREMONTNY:I', 'generator hours between overhauls', 'aircraft information sheet'),
    24: ('OBSHAIA_NAZN:I', 'assigned life, total hours', 'aircraft information sheet'),
    25: 'GDE_STOIT', 26: 'NAIMENOVANIE', 27: 'ID_NAME', 28: 'DATA_POSTUPLENIA:D',
    29: ('OBSHAIA_MEGREMONTNY:I', 'total hours between overhauls', 'aircraft information sheet'),
    30: 'SKLAD_ARZ', 31: 'DUBLICAT',
    32: ('SOBSTVENNOST', 'owner code of the APU (form 37-GA filters the owner\'s APUs by it)'),
    40: ('CIKLY_SNE:I', 'cycles since new', 'aircraft information sheet'),
    41: ('CIKLY_PPR:I', 'cycles since the last repair', 'aircraft information sheet'),
    42: ('CIKLY_NAZN:I', 'assigned life, cycles', 'aircraft information sheet'),
    43: ('CIKLY_MEGREMONTNY:I', 'cycles between overhauls', 'aircraft information sheet'),
    46: ('SUMMA_NAZN:I', 'assigned life, summed hours', 'aircraft information sheet'),
    47: ('SUMMA_MEGREM:I', 'summed hours between overhauls', 'aircraft information sheet'),
    48: ('SUMMA_SNE', 'summed hours since new, "H:MM" (the total of the model "ТА-14-130")', 'lessor monthly report, aircraft information sheet'),
    49: ('SUMMA_PPR', 'summed hours since the last repair, "H:MM"', 'aircraft information sheet'),
    50: ('OBSHAIA_DO_PERVOGO:I', 'total hours to the first overhaul', 'aircraft information sheet'),
    51: ('ZAPUSKI_DO_PERVOGO:I', 'starts to the first overhaul', 'aircraft information sheet, replacement plan'),
    52: ('OTBORY_DO_PERVOGO:I', 'bleed extractions to the first overhaul', 'aircraft information sheet, replacement plan'),
    53: ('GENERAT_DO_PERVOGO:I', 'generator hours to the first overhaul', 'aircraft information sheet'),
    55: ('CIKLY_DO_PERVOGO:I', 'cycles to the first overhaul', 'aircraft information sheet'),
    56: ('SUMMA_DO_PERVOGO:I', 'summed hours to the first overhaul', 'aircraft information sheet'),
}, ['1 is the model and 2 the serial number (lessor report, information sheet, noise-certificate data), so '
    '`TIP_VS`, read by name only, stands at 3.',
    '9 is a date: the lessor report applies the engines\' installation-date rule to it.',
    'The lessor report takes the stored total of an APU from 16 ("H:MM"), and from 48 for the model "ТА-14-130"; '
    'these are the total and the summed hours since new of the information sheet.',
    '`SOBSTVENNOST` (32), read by name only, carries the owner as it does for engines and gearboxes: form 37-GA '
    'lists the APUs of the chosen owner with the same owner condition as the engines.'])
table('AGR_VSU', {
    1: 'TIP_VS', 2: 'GDE_STOIT',
    3: ('NAZVANIE', 'name, printed when the reference row is missing', 'units installed in a period'),
    4: ('CHERT_NOMER', 'designation, printed when the reference row is missing', 'units installed in a period'),
    5: ('ID_NAME', 'reference `ID_NAME` (`ETA_AGR_VSU`)', 'units installed in a period'),
    6: 'NARABOTKA_SNE',
    7: ('ZAVODSKOY_NOMER', 'serial number', 'units installed in a period'),
    8: 'SKLAD_ARZ',
    16: ('DATA_USTANOVKI:D', 'installation date', 'units installed in a period'),
})
table('SHLANG', {1: 'TIP_VS', 2: 'GDE_STOIT', 3: 'SYSTEMA', 4: 'NAZVANIE', 5: 'CHERT_NOMER', 6: 'ZAVODSKOY_NOMER',
                 7: 'VID_UCHETA', 8: 'DATA_VYPUSKA_RUKAVA:D', 9: 'UCHET_OT_DATY_UST:I', 10: 'DATA_USTANOVKI:D',
                 11: 'NARABOTKA_SNE', 12: 'SKLAD_ARZ', 13: 'RESURS'})

# Flight records: the airframe, up to three engines, the main gearbox and the APU of one entry.
table('SPRAVKA', {
    1: 'TIP_VS', 2: 'BORTOVOI_NOMER',
    3: ('NA_ZEMLE:T', 'ground running of the entry', 'complex forecast, component forecasts, lessor monthly report, withdrawal plans, daily flying statement'),
    4: 'DATA_POLETA:D',
    6: ('V_VOZDUHE:T', 'airborne time of the entry', 'complex forecast, component forecasts, form 34-GA, lessor monthly report, withdrawal plans, daily flying statement'),
    7: ('KOL_VO_ZAPUSKOV:I', 'starts of the entry (airframe and main gearbox)', 'lessor monthly report'),
    8: ('KOL_VO_POSADOK:I', 'landings', 'lessor monthly report'),
    15: ('VSU_KOL_VO_ZAPUSKOV:I', 'APU starts', 'lessor monthly report'),
    16: ('VSU_KOL_VO_OTBOROV:I', 'APU bleed extractions', 'lessor monthly report'),
    17: ('VSU_V_GENERATORNOM:T', 'APU time in generator mode', 'lessor monthly report'),
    18: ('VSU_POLNOE_VREMYA:T', 'APU total time', 'lessor monthly report'),
    19: ('KOL_VO_CIKLOV_RED:I', 'main gearbox cycles', 'lessor monthly report'),
    21: ('NA_ZEMLE_2:T', 'ground running of engine 2', 'lessor monthly report, daily flying statement'),
    25: ('KOL_VO_ZAPUSKOV_2:I', 'starts of engine 2', 'lessor monthly report'),
    26: ('KOL_VO_CIKLOV_2:I', 'cycles of engine 2', 'lessor monthly report'),
    27: ('NA_ZEMLE_3:T', 'ground running of engine 3', 'lessor monthly report, daily flying statement'),
    31: ('KOL_VO_ZAPUSKOV_3:I', 'starts of engine 3', 'lessor monthly report'),
    32: ('KOL_VO_CIKLOV_3:I', 'cycles of engine 3', 'lessor monthly report'),
    44: ('NA_ZEMLE_1:T', 'ground running of engine 1', 'lessor monthly report'),
    48: ('KOL_VO_ZAPUSKOV_1:I', 'starts of engine 1', 'lessor monthly report'),
    49: ('KOL_VO_CIKLOV_1:I', 'cycles of engine 1 (also the airframe\'s cycles)', 'lessor monthly report'),
    50: ('V_VOZDUHE_1:T', 'airborne time of engine 1', 'lessor monthly report'),
    51: ('V_VOZDUHE_2:T', 'airborne time of engine 2', 'lessor monthly report'),
    52: ('V_VOZDUHE_3:T', 'airborne time of engine 3', 'lessor monthly report'),
    53: ('V_VOZDUHE_RED:T', 'airborne time of the main gearbox', 'lessor monthly report'),
    54: ('NA_ZEMLE_RED:T', 'ground running of the main gearbox', 'lessor monthly report'),
}, ['The positions beyond 3 and 6 follow the lessor report\'s table of flight-entry positions: '
    'airborne 50 to 53, ground 44, 21, 27 and 54, landings 8, APU 15 to 18.',
    'The daily flying statement takes the largest of 3, 21 and 27 as the flight time and adds 6 to the ground '
    'total; here 3 is the ground running and 6 the airborne time, as the forecasts and the lessor report read them, '
    'and 21 and 27 the ground running of engines 2 and 3. All four are TIME columns; the statement reads their text.'])
table('SOSTOIANIE_PARKA', {1: 'TIP_VS', 2: 'BORTOVOY_NOMER',
                           3: ('DATA_STATUS:D', 'date from which the state holds', 'database'),
                           4: ('KOD_STATUS:I', 'state code', 'form 34-GA'), 5: 'PRIMECHANIE'})
table('DVIGENIE_V_EKSPLUATACII', {
    1: ('DATA_PEREVODA:D', 'date of the movement', 'form 8-OASU'),
    2: ('NAIMENOVANIE', 'kind of component ("Dvigatel", "Reductor", "VSU", ...)'),
    3: ('NAZVANIE', 'model of the component', 'form 8-OASU'),
    4: ('ZAVODSKOY_NOMER', 'serial number of the component', 'quarterly replacement report, form 8-OASU'),
    5: ('PRICHINA', 'reason or document of the movement', 'form 8-OASU'),
    6: ('OTKUDA', 'from: board number or a place', 'form 8-OASU'),
    7: ('KUDA', 'to: board number or a place', 'quarterly replacement report, form 8-OASU'),
    8: 'SOBSTVENNOST', 9: 'VSU', 10: ('ID_NAME', 'for rotors: 1 blades, 0 hub'),
}, ['6 and 7 are "from" and "to" and 4 the serial number, as the quarterly replacement report and form 8-OASU '
    'read them. 3 and 5 are copied to form 8-OASU; they are taken as the model and the reason.'])
table('OBSHIE', {
    1: ('EXPLUATANT', 'operator code', 'form 8-OASU, fleet state report, regional authority form'),
    2: ('VLADELETS', 'owner code', 'form 8-OASU'),
    3: ('FIO_IAS', 'name of the engineering head', 'form 34-GA, form 8-OASU, regional authority form, search-and-rescue annex 1'),
    4: ('DOLGNOST_IAS', 'post of the engineering head', 'form 34-GA, form 8-OASU, fleet state report, overhaul-plant report, regional authority form, search-and-rescue annex 1, airworthiness-certificate documents, noise-certificate data'),
    5: ('IMIA_DVIGATEL_37', 'addressee of form 37-GA for engines and APUs'),
    6: ('IMIA_REDUCTOR_37', 'addressee of form 37-GA for gearboxes'),
    7: ('NOMER_SVIDELSTVA', 'number of the operator\'s certificate'),
    8: ('NAME_UGA_PASR', 'search-and-rescue recipient: the regional authority'),
    9: ('NAME_APSC', 'search-and-rescue recipient: the rescue centre'),
    10: ('ADRES_37', 'address of the addressee of form 37-GA'),
    11: ('NACH_PDO', 'name of the head of the planning office (printed before " тел.")',
         'form 34-GA, form 8-OASU, fleet state report, overhaul-plant report, regional authority form, search-and-rescue annex 1, units installed in a period, withdrawal plans, weight and balance sheet, airworthiness-certificate documents, life-extension applications, noise-certificate data'),
    12: ('IMIA_UGA', 'name of the civil aviation authority', 'form 8-OASU'),
    13: ('ADRES_PREDPR', 'address of the enterprise', 'form 34-GA, form 8-OASU'),
    14: ('PHONE_PDO', 'telephone (printed after " тел.")', 'form 34-GA, form 8-OASU, fleet state report, overhaul-plant report, regional authority form, search-and-rescue annex 1, weight and balance sheet, airworthiness-certificate documents, life-extension applications, noise-certificate data'),
    15: ('PHONE_IAS', 'header text of the report to the regional authority', 'regional authority form'),
    16: ('IMIA_36', 'addressee of form 36-GA'),
    17: ('ADRES_PMTU', 'header text of the report to the regional authority', 'regional authority form'),
    18: ('IMIA_PMTU', 'header text of the report to the regional authority', 'regional authority form'),
    19: ('EMAIL_PREDPRIATIE', 'e-mail of the enterprise', 'form 34-GA, form 8-OASU, fleet state report, overhaul-plant report, regional authority form, search-and-rescue annex 1, airworthiness-certificate documents, noise-certificate data'),
    20: ('ADRES_36', 'address of the addressee of form 36-GA'),
    23: ('PRIKAZ_PASR', 'header text of the search-and-rescue annex', 'search-and-rescue annex 1'),
    25: ('DOLGNOST_PDO', 'post of the head of the planning office (printed before "~" and 11)',
         'form 34-GA, fleet state report, units installed in a period, withdrawal plans, weight and balance sheet, life-extension applications'),
    26: ('EMAIL_36GA', 'e-mail (printed after " E-mail:")', 'form 34-GA'),
}, ['14 is a telephone and 26 an e-mail: the forms print "11, \' тел.\', 14", which form 36-GA writes by name as '
    '`NACH_PDO`, " тел.", `PHONE_PDO`, and form 34-GA prints "14, \' E-mail:\', 26".',
    'The headers of the forms to the authorities (12, 13, 15, 17, 18, 23) are read by one form each and their '
    'content is not stated; the names say what those forms print there. `IMIA_UGA`, `ADRES_PREDPR`, `IMIA_36`, '
    '`ADRES_36` and `ADRES_37` are named by the header queries of forms 36-GA and 37-GA.'])
table('EXPLUATANTY', {1: ('ID_NAME', 'operator code, printed in the report headers', 'form 34-GA, form 36-GA, form 8-OASU, fleet state report, form 37-GA, regional authority form, search-and-rescue annex 1, fleet state sheets'),
                      2: ('NAME:L', 'shown name'), 3: ('HIDE:I', '0 = offered in lists')},
      ['The headers print "position 1 of the chosen row": that is the operator code `ID_NAME`, the first column after `ID`.'])
table('SOBSTVENNIKI', {1: ('ID_NAME', 'owner code', 'overhaul-plant report'), 2: ('NAME:L', 'shown name'), 3: ('HIDE:I', '0 = offered in lists')})
table('LIZING', {1: 'BORTOVOI_NOMER', 2: 'LIZINGODATEL', 3: 'NOMER_DOGOVORA', 4: 'DATA_DOGOVORA:D'})
table('RASPOLOGENIA', {1: ('NAME', 'shown name of the location', 'fleet state sheets'), 2: ('ID_MESTO', 'location code'),
                       3: ('HIDE:I', '0 = offered in lists')},
      ['The fleet state sheet prints column 1 of the row whose `ID_MESTO` matches, so the name stands at 1.'])
table('USERS', {1: ('FAMILIA', 'surname', 'lessor monthly report'), 2: ('IMIA', 'first name', 'lessor monthly report'), 3: ('OTCHESTVO', 'patronymic', 'lessor monthly report'),
                4: 'TIP_VS'},
      ['The lessor report prints position 1, the initial of 2 and the initial of 3.'])
kinds = ['DVIGATEL', 'REDUCTOR', 'LOPASTY', 'AGREGATY', 'SHLANG', 'ZCU', 'AGR_DVIG', 'VOZDUSHNY_VINT']
td = {1: ('KOD_VS:I', 'type code: 1 helicopter, 0 aeroplane'), 2: ('TIP_VS', 'aircraft type', 'fleet state report'),
      3: 'ODIN_DVA', 4: 'PTO_DVIG_SEPAR', 5: 'KOL_VO_DVIGATEL:I', 6: 'KOL_VO_LOPAST_NES:I', 7: 'KOL_VO_VSU:I',
      8: 'COL_VO_VOZDUSHNY_VINT:I', 9: 'UCHITYVAT_ZEMLU', 10: 'KOL_VO_ZEMLIA_PLANER:R'}
p = 11
for k in kinds:
    td[p] = 'ZEMLIA_' + k
    td[p + 1] = 'KOL_VO_ZEMLIA_' + k + ':R'
    p += 2
table('TIPOVYE_DANNYE_VS', td, ['The fleet state report takes the type from position 2, so `TIP_VS` stands at 2.',
                                '`KOD_VS` is compared with 1 and 0 (helicopter, aeroplane): an INTEGER.'])
eta = {1: 'TIP_VS', 2: ('CHERT_NOMER', 'drawing number', 'complex forecast, units installed in a period, replacement plan, life-extension applications'), 3: 'NAZVANIE', 4: 'NAIMENOVANIE',
       5: 'PRINADLEGNOST', 6: ('KOL_VO:I', 'quantity per aircraft', 'database'), 7: 'IND_UCHET:I', 8: 'ED_IZMARENIA',
       14: ('NAME', 'name shown', 'complex forecast, units installed in a period, replacement plan, life-extension applications'), 15: ('MESTO_USTANOVKI', 'installation positions text', 'database'),
       17: ('SYSTEMA', 'system', 'database'), 20: ('ID_NAME', 'reference identifier', 'complex forecast, quarterly replacement report, aircraft information sheet'), 21: 'RESURS'}
table('ETAAGREGAT', eta)
table('ETA_VTULKA_NV', dict(eta))
table('ETA_ZCU', {1: 'TIP_VS', 2: ('NAME', 'name', 'complex forecast, units installed in a period'), 3: ('CHERT_NOMER', 'drawing number', 'complex forecast, units installed in a period'),
                  4: 'ID_NAME'})
table('ETA_AGR_VSU', {1: 'TIP_VS', 2: ('NAME', 'name', 'units installed in a period'), 3: ('CHERT_NOMER', 'designation', 'units installed in a period'), 4: 'ID_NAME',
                      5: 'ID_NAME_VSU'},
      ['Name and designation are 2 and 3, as the list of units installed in a period prints them; `ID_NAME` '
       'stands at 4, as in `ETA_ZCU`.'])
for n, extra in [('ETAPLANER', {}), ('ETADVIG', {5: 'NAZVANIE_DVIGATELIA'}), ('ETAREDUCTOR', {5: 'NAZVANIE_REDUCTORA'}),
                 ('ETALOPAST', {5: 'TIP_VINTA', 6: 'NAZVANIE'}), ('ETA_HVOST_VINT', {5: 'NAZVANIE_VINTA'}),
                 ('ETA_VOZD_VINT', {5: 'TIP_VINTA', 6: 'NAZVANIE_VINTA'}), ('ETA_LEBEDKA', {5: 'CHERT_NOMER_LEBEDKA'}),
                 ('ETAVSU', {5: 'NAZVANIE'}), ('ETASHLANG', {})]:
    c = {1: 'TIP_VS', 2: 'ID_NAME', 3: 'NAME', 4: 'CHERT_NOMER'}
    c.update(extra)
    table(n, c)
pto = {1: 'TIP_VS', 2: 'VREMIA_F1:I', 3: 'VREMIA_FORMA:I', 4: ('CASE1', '"АРЗ" = forms are not reckoned'),
       5: ('KOL_VO_FORM:I', 'number of forms in the cycle', 'withdrawal plans, fleet state sheets')}
for i in range(20):
    pto[6 + i] = ('FORMA_%d' % (i + 1), 'name of form %d of the cycle' % (i + 1), 'withdrawal plans, fleet state sheets')
table('PTO_FORMY', pto, ['`CASE1` is compared with the text "АРЗ" by the fleet state sheets: a VARCHAR.'])
ptod = {1: 'TIP_VS', 2: 'DVIGATEL', 3: 'VREMIA_FORMA:I', 4: 'NAME_FORMY', 5: 'KOL_VO_FORM:I'}
for i in range(20):
    ptod[6 + i] = ('FORMA_%d' % (i + 1), 'name of engine form %d (form k at k + 5)' % (i + 1), 'withdrawal plans')
table('PTO_FORMY_DVIG', ptod)
table('VYPOLNENNYE_FORMY', {1: 'TIP_VS', 2: 'BORTOVOY_NOMER', 3: 'DATA_TO:D', 4: 'NAME_FORMY', 5: 'NARABOTKA'})
table('SEZONNOE_TO', {1: 'TIP_VS', 2: 'BORTOVOY_NOMER', 3: ('VID_TO:I', 'season: 0 "ВЛП", 1 "ОЗП"', 'fleet state sheets'),
                      5: ('DATA_TO:D', 'date of the seasonal maintenance, printed after the season word', 'fleet state sheets')},
      ['The fleet state sheet reads column 3 as the season code 0 or 1 and prints column 5 after the season word.'])
table('TO_AKB', {1: 'TIP_VS', 2: 'BORTOVOY_NOMER', 3: 'DATA_TO:D',
                 4: ('ZAVODSKOY_NOMER', 'battery, printed after "ТО АКБ - "', 'fleet state sheets')})
table('TUNE_REPORTS', {1: 'TIP_VS', 2: 'TIP_REPORT', 3: 'NAME_REPORT:L', 4: 'NUMBER_LINE:I', 5: 'NAZVANIE:L',
                       6: 'CHERT_NOMER:L', 7: 'TIP_AGREGATA', 8: 'SYSTEMA', 9: 'ID_ETALON', 10: 'SVODNY_PASPORT',
                       11: 'KOL_VO_NA_VS', 12: 'MESTA_USTANOVKI'})
table('TUNE_DOCS', {1: 'NAME_REPORT:L', 2: 'NUMBER_LINE:I', 3: ('NAZVANIE:L', 'unit name', 'complex forecast, quarterly replacement report'),
                    4: ('CHERT_NOMER:L', 'drawing number', 'complex forecast, quarterly replacement report, aircraft information sheet'),
                    5: ('TIP_AGREGATA', 'section key', 'complex forecast, quarterly replacement report, aircraft information sheet'), 6: 'ID_ETALON'})

# The component forecasts restrict their stores part by ownership, so every
# kind they list carries the owner code the engine and gearbox rows have.
for name in ['LOPAST', 'HVOSTOVOY_VINT', 'VOZDUSHNY_VINT', 'VTULKA_NV', 'AGREGAT', 'ZCU', 'LEBEDKA']:
    cols = T[name][0]
    if not any(str(c if not isinstance(c, tuple) else c[0]).split(':')[0] == 'SOBSTVENNOST' for c in cols.values()):
        cols[max(cols) + 1] = ('SOBSTVENNOST', 'owner code of the component (own or leased)', 'component forecasts')

# The information sheet's life columns that the component tables above lack:
# the assigned life of units and main-rotor hubs (in the unit's own measure:
# whole hours, landings, or years as Y.MM for calendar-counted units), and the
# repair plant and assigned life of ZCU units. After the owner code, so that
# the positions before them stay where the other reports read them.
for name in ['AGREGAT', 'VTULKA_NV']:
    cols = T[name][0]
    cols[max(cols) + 1] = ('NAZNACHENNYI_RESURS', 'assigned life in the unit\'s measure: whole hours, landings, or years '
                           '"Y.MM" for a calendar-counted unit', 'aircraft information sheet')
for n in ['AGREGAT', 'VTULKA_NV']:
    cols = T[n][0]
    for pos, reader in [(3, 'aircraft information sheet'), (4, 'aircraft information sheet'), (6, 'aircraft information sheet'),
                        (8, 'aircraft information sheet'), (9, 'aircraft information sheet'), (10, 'aircraft information sheet'),
                        (14, 'aircraft information sheet'), (17, 'aircraft information sheet'), (18, 'aircraft information sheet'),
                        (34, 'aircraft information sheet'), (39, 'aircraft information sheet')]:
        name, t, meaning, readers = unpack(cols[pos])
        cols[pos] = (name + ':' + t, meaning, ', '.join(filter(None, [readers, reader])))
zc = T['ZCU'][0]
zc[max(zc) + 1] = ('REMONT_ZAVOD', 'repair plant', 'aircraft information sheet')
zc[max(zc) + 1] = ('NAZNACHENNYI_CHASOV:I', 'assigned life, hours', 'aircraft information sheet')
sh = T['SHLANG'][0]
sh[13] = ('RESURS', 'calendar life of a calendar-counted hose, years "Y.MM"', 'aircraft information sheet')
sh[14] = ('RESURS_CHASOV:I', 'life of an hour-counted hose, hours', 'aircraft information sheet')
for pos in (6, 8, 10, 11):
    name, t, meaning, readers = unpack(sh[pos])
    sh[pos] = (name + ':' + t, meaning, 'aircraft information sheet')
CHOICES.setdefault('SHLANG', []).append(
    'A hose counted both ways (`VID_UCHETA` "2") has both lives: the calendar one in `RESURS` and the hours in '
    '`RESURS_CHASOV`; the information sheet reads them by the group it summarises.')
CHOICES.setdefault('AGREGAT', []).append(
    'The information sheet prints a unit as: drawing number 3 as its model, serial 4, manufactured 6, repairs 10 / 9 / 8, '
    'since new 17 and since repair 18 (landings for a landing-counted unit), limits `NAZNACHENNYI_RESURS` / 43 (to the '
    'first overhaul, while never repaired) or 14; a calendar-counted unit (24 = "2") reads 14 and 43 as whole years.')
CHOICES.setdefault('VTULKA_NV', []).append('The information sheet prints a hub as a unit, with 48 as the life to the first overhaul.')
CHOICES.setdefault('ZCU', []).append(
    'The information sheet prints a ZCU unit as: drawing number 25 as its model, serial 6, manufactured 8, repairs 19 / 9 / '
    '`REMONT_ZAVOD`, since new 21, since repair 22, limits `NAZNACHENNYI_CHASOV` / 27 (first overhaul) or 20.')

# The replacement plan places every kind by the engine's rule with the columns
# of its own table: repair count, running time since overhaul, life to the
# first overhaul (while never repaired) or between overhauls; where the row
# keeps no overhaul limit, the assigned life against the running time since new.
plan_reads = {
    'VOZDUSHNY_VINT': [16, 21, 23, 29, 30, 47],
    'LEBEDKA': [13, 19, 21, 25, 27, 28, 36],
    'SHLANG': [6, 8, 9, 10, 11, 13, 14],
    'LOPAST': [4, 9, 10, 18, 25, 26, 28, 30],
    'HVOSTOVOY_VINT': [3, 13, 19, 21, 25, 27, 29, 30],
    'AGREGAT': [2, 3, 4, 10, 14, 17, 18, 34, 39, 43, 45],
    'VTULKA_NV': [4, 10, 14, 17, 18, 34, 39, 48, 50],
    'ETAAGREGAT': [2, 14, 20],
    'ETA_VTULKA_NV': [2, 14, 20],
}
for tname, positions in plan_reads.items():
    cols = T[tname][0]
    for pos in positions:
        name, t, meaning, readers = unpack(cols[pos])
        if 'replacement plan' not in readers:
            cols[pos] = (name + ':' + t, meaning, ', '.join(filter(None, [readers, 'replacement plan'])))
for tname, note in [
        ('VOZDUSHNY_VINT', 'The replacement plan reads a propeller as: repairs 16, since overhaul 30 against 47 (first '
                           'overhaul, while never repaired) or 23; without those limits since new 29 against 21. No '
                           'calendar limits are kept for propellers, so none is placed in the calendar column.'),
        ('LEBEDKA', 'The replacement plan reads a winch as: repairs 13, since overhaul 28 against 36 or 21; without those '
                    'limits since new 27 against 19; counted from the aircraft when 25 is 1. No calendar limits.'),
        ('SHLANG', 'The replacement plan reads an hour-counted hose (`VID_UCHETA` "1" or "2") by its running time 11 '
                   '(counted from the aircraft as the information sheet counts it) against `RESURS_CHASOV`; a '
                   'calendar-counted one ("0" or "2") by `RESURS` from its manufacture 8, or from its installation 10 '
                   'when `UCHET_OT_DATY_UST` is 1. Hoses have no repairs.'),
        ('LOPAST', 'The replacement plan reads a blade as: repairs 25, since overhaul 26 against 28 or 30; without those '
                   'limits (the usual case: blades keep an assigned life only) since new 9 against 10; counted from '
                   'the aircraft when 18 is 1. No calendar limits.'),
        ('HVOSTOVOY_VINT', 'The replacement plan reads a tail-rotor hub as: repairs 13, since overhaul 30 against 25 or '
                           '21; without those limits since new 29 against 19; counted from the aircraft when 27 is 1.'),
        ('AGREGAT', 'The replacement plan reads an hour-counted unit as: repairs 10, since overhaul 18 against 43 or 14; '
                    'without those limits since new 17 against `NAZNACHENNYI_RESURS`; counted from the aircraft when 39 '
                    'is 1. Its kind is the drawing number 2 of its `ETAAGREGAT` row (by `ID_NAME` 34 = 20), or the '
                    'short name of its name 14 when the drawing number begins with "2", "8" or "15"; without a '
                    'reference row its own drawing number 3 and name 2.'),
        ('VTULKA_NV', 'The replacement plan reads a main-rotor hub as a unit (life to the first overhaul 48) and names it '
                      'by its `ETA_VTULKA_NV` row with the units\' rule.')]:
    CHOICES.setdefault(tname, []).append(note)

# Staging tables: text columns by position; the named ones hold the columns their queries sort on.
# Forms 36-GA and 37-GA write position 0 (the authority's name) themselves: their key stands elsewhere.
staging_named = {
    'REPORT_FORMA_36_GA': {0: ('IMIA_UGA:S', 'name of the civil aviation authority (written by the form)'),
                           6: ('ID:K', 'row key, filled by the database (a position the form does not write)'),
                           9: ('TIP_VS', 'type head, first sort column of the table\'s query'),
                           10: ('NOMER_VS', 'board number without "RA-", second sort column of the table\'s query')},
    'REPORT_FORMA_37_GA': {0: ('IMIA_UGA:S', 'name of the civil aviation authority (written by the form)'),
                           3: ('ID:I', 'running number of the row, written by the form; first sort column'),
                           18: ('GDE_STOIT', 'board number, or the store code "3", "4", "5"; second sort column')},
    'REPORT_PRODLENIE_OSN_AGREGATY': {1: 'NOMER_PP:I'}, 'REPORT_PRODLENIE_AIREO': {1: 'NOMER_PP:I'},
    'REPORT_PRODLENIE_DUBLICAT': {1: 'NOMER_PP:I'}, 'REPORT_SLG_OGR_RES': {1: 'NOMER_PP:I'},
    'REPORT_PLAN_OTVOD_TO_GOD': {6: ('C6:S', 'last form performed with its date "name <b><i>dd.mm.yy</b></i>", or "-"', 'withdrawal plans'),
                                 7: ('C7:W', 'forms to come, one per line: "name <b><i>dd.mm.yy</b></i>" and a carriage return', 'withdrawal plans')},
}
# What the certificate documents write at each position of their staging
# tables, for the catalogue (the columns stay C<n>).
SLG = 'airworthiness-certificate documents'
staging_layout = {
    'REPORT_SLG_OGR_RES': ('limited-life list (templates rep03, rep07)', {
        1: 'running line number, every row', 2: 'caption: "Двигатель " model, "Главный редуктор ", "ВСУ " model " (" measure ")", "Лопасть НВ ", "Лопасти РВ ", "Винт рулевой ", the unit name and drawing number; a heading', 3: 'serial number ("-" for a tuned unit not installed)',
        4: 'assigned life: hours "H ч. M м." (a count for counted measures) "/" calendar life left on the date; "-" once overhauled', 5: 'life between overhauls, the same form; "-" until overhauled',
        6: 'running time since new on the date ("H ч. M м." or a count)', 7: 'maker until overhauled, then the repair plant', 8: 'date the calendar counts from, dd.mm.yyyy (DATA_KALENDAR of engines and gearboxes, else the manufacture; a hose: its manufacture or installation)',
        9: 'running time since the last overhaul, "-" until overhauled', 10: 'OBSHIE 4 (DOLGNOST_IAS)', 11: 'aircraft heading: type ", государственный и регистрационный знаки " board ", серийный (заводской) номер " serial',
        12: 'document date dd.mm.yyyy', 13: 'OBSHIE 11 " тел." 14', 14: 'OBSHIE 19 (e-mail)', 15: 'row role: "Unit", "Head" ("Шланги систем:"), "Sub" (a hose system)', 16: 'printed number of a unit row'}),
    'REPORT_SLG_KIP': ('check-flight report (templates rep02, rep05)', {
        1: 'FIO_IAS "!" document date', 2: 'register 1 (type)', 3: 'register 2 (variant)', 4: 'register 3 (board)', 5: 'register 4 (serial)', 6: 'date of manufacture dd.mm.yyyyг.',
        7: 'FIO_IAS alone (printed: 1 holds the mark "!")', 8: 'document date dd.mm.yyyy (printed)', 9: 'aircraft hours since new "  /  " since overhaul, whole hours " час.", "-" when missing or never overhauled',
        10: 'aircraft landings since new "  /  " since overhaul, " пос."', 11: 'component caption (engines by count: левый/правый, первый/второй/третий)', 12: 'serial', 13: 'made dd.mm.yy', 14: 'last overhaul dd.mm.yy or "-"',
        15: 'running time since new on the date ("H ч. M м.", landings " пос.")', 16: 'since the last overhaul, or "-"'}),
    'REPORT_SLG_PRIL_ZAIAVKA': ('appendix to the application (template rep04)', {
        1: 'type', 2: 'board', 3: 'register 14 (empty mass)', 4: 'hours since new on the date (whole)', 5: 'landings since new on the date', 6: 'age in whole years', 7: 'register 16 or "-"', 8: 'register 60 or "-"',
        9: 'years part of register 17 less 6, or "-"', 10: 'hours since overhaul on the date', 11: 'landings since overhaul on the date', 12: 'whole years since the overhaul', 13: 'register 18 or "-"', 14: 'register 61 or "-"',
        15: 'years part of register 19 less 12', 16: 'overhaul plant, "-" without overhauls', 17: 'overhaul date dd.mm.yyyyг., "-" without overhauls', 18: '"-"', 19: '"Без ограничений"'}),
    'REPORT_ACT_OTSEN_TS_P1': ('technical-state act, header (templates rep01, rep06)', {
        1: 'FIO_IAS', 2: 'order number (trimmed) "!" act date', 3: 'order date or "отсутствует"', 4: 'chairman', 5: 'chairman\'s post', 6: 'member 1', 7: 'member 1 post', 8: 'member 2', 9: 'member 2 post', 10: 'member 3', 11: 'member 3 post',
        12: 'inspection date', 13: 'maintenance form or "не выполнялся"', 14: 'kind of maintenance', 15: 'maintenance card or "отсутствует"', 16: 'maintenance date or "отсутствует"', 17: 'type', 18: 'board', 19: 'register 4', 20: 'register 6, dd.mm.yyyy',
        21: 'hours since new on the act date "H ч. M м."', 22: 'landings since new " п."', 23: 'calendar age', 24: 'register 16 " час." or "не реглам."', 25: 'register 60 " п." or "не реглам."', 26: 'assigned calendar life left, "не реглам." without a limit',
        27: 'hours since overhaul, "нет" without overhauls', 28: 'landings since overhaul, "нет"', 29: 'calendar time since overhaul, "нет"', 30: 'register 18 " час." or "не реглам."', 31: 'register 61 " п." or "не реглам."', 32: 'calendar time between overhauls left (from register 8), "нет" without overhauls',
        33: 'number of overhauls, "нет" for 0', 34: 'overhaul date, "нет"', 35: 'overhaul plant, "нет"', 36: 'DOLGNOST_IAS', 37: 'order number alone (printed)', 38: 'act date dd.mm.yyyy (printed)'}),
    'REPORT_ACT_OTSEN_TS_P2': ('technical-state act, components (templates rep01, rep06)', {
        1: 'row number', 2: 'caption with model and " № " serial', 3: 'made dd.mm.yy (engines and gearboxes of "DUZ"/"RevoRozuvaro": DATA_KALENDAR)', 4: 'last overhaul dd.mm.yy or "нет"', 5: 'running time since new on the date',
        6: 'calendar age', 7: 'since the last overhaul or "нет"', 8: 'calendar time since the overhaul or "нет"', 9: 'assigned life " час." (" п."), "не реглам." when 0 or NULL', 10: 'assigned calendar life left or "не реглам."',
        11: 'life between overhauls, "не реглам." when 0 or NULL', 12: 'calendar time between overhauls left (from the overhaul), "нет" until overhauled, "не реглам." without a limit'}),
    'REPORT_PRODLENIE_OSN_AGREGATY': ('extension list of main units (template rep03)', {
        1: 'running line number (NOMER_PP)', 2: 'kind caption on every row of the kind ("Вертолёт"/"Самолет", "Двигатели", "ВСУ", "Главный редуктор", "Лопасти НВ", "Лопасти рулевого винта", "Винт рулевой", "Шланги систем:"), a hose\'s system, a unit\'s standard name', 3: 'type, engine model and place, component name, unit drawing number (" (" note ")")',
        4: 'serial (register 4, engine 3; blades with "_" as blanks)', 5: 'made dd.mm.yyyy (hoses mm.yy)', 6: 'number of overhauls or "-"', 7: 'last overhaul date or "-"', 8: 'overhaul plant or "-"', 9: 'running time since new as stored (blades, tail rotors, hoses and continuous units counted to today; years-counted units their calendar age)',
        10: 'since the last overhaul or "-"', 11: 'aircraft: program-appendix title; others: "в часах", "посадки", "в годах", "запуски"', 12: 'heading "о вертолёте ..." / "о самолете ..."', 13: 'DOLGNOST_PDO "~" NACH_PDO', 14: 'NACH_PDO', 15: '" тел." PHONE_PDO'}),
    'REPORT_PRODLENIE_AIREO': ('extension list of equipment (template rep02)', {
        1: 'running number of the units', 2: 'tuned name (" (сводный паспорт)"), or the system on a system row', 3: 'AGREGAT 4 (serial)', 4: 'AGREGAT 6 (made)', 5: 'AGREGAT 9 (overhaul date), "-" when AGREGAT 10 is 0', 6: 'AGREGAT 10, "-" when 0',
        7: 'AGREGAT 26 (installed)', 8: 'since new by the accounting kind', 9: 'since the last overhaul, "-" without', 10: 'program-appendix title', 11: 'DOLGNOST_PDO "~" NACH_PDO', 12: 'NACH_PDO', 13: '" тел." PHONE_PDO', 14: 'DOLGNOST_PDO', 15: '"S" system row, "U" unit row', 16: 'type and board', 17: 'measure'}),
    'REPORT_PRODLENIE_DUBLICAT': ('extension list of duplicated passports (template rep01)', {
        1: 'running line number', 2: 'name ("Двигатель", "Главный редуктор", "ВСУ", "Лопасть НВ", "Лопасти РВ", "Винт рулевой", a unit\'s standard name)', 3: 'serial', 4: 'made', 5: 'number of overhauls or "-"', 6: 'overhaul date or "-"', 7: 'overhaul plant or "-"', 8: 'since new', 9: 'since overhaul or "-"',
        10: '"пришел в негодность"', 11: 'DOLGNOST_PDO "~" NACH_PDO', 12: 'NACH_PDO', 13: '" тел." PHONE_PDO', 14: 'type " " board " заводской № " register 4', 15: 'bulletin note of the type', 16: '" вертолета " / " самолета "', 17: 'model or the unit\'s drawing number'}),
    'REPORT_UDOSHUM_ISH_INF': ('noise-certificate source data (templates rep01 with an APU, rep02 without)', {
        1: 'register 1', 2: '"транспортное" when register 2 begins with "Т"/"т"', 3: 'register 3', 4: 'register 4', 5: 'register 6 dd.mm.yyyyг.', 6: '"грузовое" as 2', 7: 'register 14 as a number "кг."', 8: 'register 8 when overhauled', 9: 'FunOstatChas(18, 22) less its last character', 10: 'FunOstatLet(19, 8)',
        11: 'engine 1 model', 12: 'engine 1 serial', 13: 'engine 1 made', 14: 'engine 2 model', 15: 'engine 2 serial', 16: 'engine 2 made', 17: 'APU model', 18: 'APU serial', 19: 'APU made', 20: 'main-rotor blade model',
        21: 'blade 1 serial', 22: 'blade 1 made', 23: 'blade 2 serial', 24: 'blade 2 made', 25: 'blade 3 serial', 26: 'blade 3 made', 27: 'blade 4 serial', 28: 'blade 4 made', 29: 'blade 5 serial', 30: 'blade 5 made',
        31: 'tail rotor model', 32: 'tail rotor serial', 33: 'tail rotor made', 34: 'tail blade model', 35: 'tail blade serial', 36: 'tail blade made', 37: 'OBSHIE 19 (e-mail)', 38: 'OBSHIE 4', 39: 'OBSHIE 11', 40: 'OBSHIE 14'}),
}
CHOICES['REPORT_SLG_OGR_RES'] = [
    'Engines, gearboxes and APU measures: 4 carries the assigned life while the unit has not been overhauled, 5 the life between overhauls once it has; the other gets "-" and 7 the maker or the repair plant accordingly.',
    'Other kinds use the same columns: blades, tail rotors, hubs and units have no calendar limit ("/-"); a hose counted by the calendar has "-/" and the calendar left in 4, a hose counted in hours its hours in 4.',
    'APU: one row per measure; the model "ТА-14-130" gives "суммарная" (SUMMA_...) and "запуски", every other model "общая", "генераторный", "запуски", "отборы". Summed hours are backed out with VSU_POLNOE_VREMYA.',
    'A tuned unit or hub line the aircraft does not carry gives one row with its name and drawing number and "-" elsewhere.',
    'Blades and hubs of the limited-life list are read by type and rotor as the query gives them and only those on the board are kept.',
]
CHOICES['REPORT_SLG_KIP'] = [
    '7 and 8 hold the head\'s name and the document date apart, so that the form prints them without the mark "!" of 1.',
    'A tuned unit the aircraft does not carry gives no row; "Agregat" rows are read by type and identifier and only those on the board are kept. KOD_VS 0 gives rep05, any other value rep02.',
]
CHOICES['REPORT_ACT_OTSEN_TS_P1'] = [
    '37 and 38 hold the order number and the act date apart for printing; 2 keeps "number!date".',
    'The header row is written before the tuned list is read: with no tuned list the header stays and the component table is not touched.',
]
CHOICES['REPORT_ACT_OTSEN_TS_P2'] = [
    'A row per installed component; an APU gives one row with its total hours (the summed hours for "ТА-14-130").',
]

def also_read_by(name, poss, reader, choices=()):
    """Adds a reader to columns of a table defined above (names and types unchanged)."""
    cols = T[name][0]
    for pos in poss:
        cname, t, meaning, readers = unpack(cols[pos])
        cols[pos] = ('%s:%s' % (cname, t), meaning, ', '.join(filter(None, (readers, reader))))
    if choices:
        CHOICES.setdefault(name, []).extend(choices)


# The quarterly report on removed and installed components writes every kind
# on the engine's positions from the columns of its own table.
QR = 'quarterly replacement report'
also_read_by('VSU', [1, 2, 4, 5, 6, 7, 8, 16, 17, 24, 29, 46, 47, 48, 49, 50, 56], QR, [
    'The quarterly report on removed and installed components writes an APU on the engine\'s positions: model 1, '
    'serial 2, manufactured 4, repair plant 5, repair date 6, repairs 7, place 8; since new / since overhaul 16 / 17, '
    'assigned 24, to the first overhaul 50, between overhauls 29 (model "ТА-14-130": 48 / 49, 46, 56, 47); no '
    'calendar limits.'])
also_read_by('LOPAST', [3, 4, 5, 6, 9, 10, 18, 23, 24, 25, 26, 28, 30], QR, [
    'The quarterly report writes a blade as: model 3, serial 4, place 5, manufactured 6, since new 9 and since overhaul '
    '26 (continuously counted through FunNepNarLopast when 18 is 1 and the blade is on an aircraft), assigned 10, to '
    'the first overhaul 28, between overhauls 30, repairs 25 / 24 / 23.'])
also_read_by('HVOSTOVOY_VINT', [2, 4, 8, 11, 12, 13, 14, 19, 21, 25, 27, 29, 30], QR, [
    'The quarterly report finds a tail-rotor hub by its hub serial 8 and writes: model 2, serial 8, manufactured 4, '
    'repairs 13 / 12 / 11, place 14, since new 29 and since overhaul 30 (FunNepNarHvostVint when 27 is 1), assigned '
    '19, to the first overhaul 25, between overhauls 21.'])
also_read_by('VTULKA_NV', [2, 3, 4, 6, 8, 9, 10, 14, 17, 18, 27, 34, 39, 48, 50], QR, [
    'The quarterly report names a main-rotor hub by its reference (`ETA_VTULKA_NV` NAME by `ID_NAME` 34 of the '
    'aircraft\'s type; NAZVANIE 2 without one) and writes: drawing number 3 as the model, serial 4, manufactured 6, '
    'repairs 10 / 9 / 8, since new 17 and since overhaul 18 (FunNepNarAgr when 39 is 1), assigned 50, to the first '
    'overhaul 48, between overhauls 14, place 27.'])
also_read_by('VOZDUSHNY_VINT', [2, 3, 5, 9, 14, 15, 16, 21, 23, 29, 30, 47], QR, [
    'The quarterly report writes a propeller as: model 2, serial 3, place 5, manufactured 9, repairs 16 / 15 / 14, '
    'since new 29 and since overhaul 30 as stored, assigned 21, to the first overhaul 47, between overhauls 23.'])
also_read_by('AGREGAT', [2, 3, 4, 6, 8, 9, 10, 14, 17, 18, 24, 27, 28, 34, 39, 43, 45], QR, [
    'The quarterly report names a unit by its reference (`ETAAGREGAT` NAME by `ID_NAME` 34; NAZVANIE 2 without one) '
    'and writes: drawing number 3 as the model, serial 4, manufactured 6, repairs 10 / 9 / 8, since new 17 and since '
    'overhaul 18 (FunNepNarAgr when 39 is 1), assigned 45, to the first overhaul 43, between overhauls 14; the measure '
    'from 24 and 28: "1" landings ("пос") or, for an engine unit, cycles ("цик"); "2" years ("лет"); else hours.'])
also_read_by('LEBEDKA', [2, 3, 4, 8, 11, 12, 13, 19, 21, 25, 27, 28, 36], QR, [
    'The quarterly report writes a winch as: model 2, serial 3, place 4, manufactured 8, repairs 13 / 12 / 11, since '
    'new 27 and since overhaul 28 (FunNepNarLebedka when 25 is 1), assigned 19, to the first overhaul 36, between '
    'overhauls 21.'])
also_read_by('ETA_VTULKA_NV', [14], QR)
also_read_by('ETAAGREGAT', [14], QR)
also_read_by('REESTR', [3], 'form 37-GA')
also_read_by('OBSHIE', [2], 'form 37-GA')
also_read_by('SOBSTVENNIKI', [1, 2], 'form 37-GA')

staging = ['REPORT_PROGNOZ', 'REPORT_FORMA_36_GA', 'REPORT_FORMA_37_GA', 'REPORT_SOST_PARKA_VS', 'REPORT_FORMA_8_OASU',
           'REPORT_FORMA_34_GA', 'REPORT_LIZING_MONTH_P1', 'REPORT_LIZING_PTO', 'REPORT_LIZING_MONTH_P2',
           'REPORT_LIZING_PSB_P1', 'REPORT_LIZING_PSB_P2', 'REPORT_LIZING_PSB_P3', 'REPORT_LIZING_PSB_MONTH',
           'REPORT_AGR_UST_ZA_PER', 'REPORT_ZAMENY_KVARTAL', 'REPORT_FORMA_OTCHET_PMTU', 'REPORT_PASR_PRIL_1',
           'REPORT_PASR_PRIL_3', 'REPORT_TV2_117_UZGA', 'REPORT_SPRAVKA_OSIL', 'REPORT_OSIL_G3', 'REPORT_SPRAVKA_OTIZ',
           'REPORT_VES_TCENTROVKA', 'REPORT_DATE_SLG_I_SHUM', 'REPORT_SOST_PARK_VS', 'REPORT_SOST_PARK_VST2',
           'REPORT_OSIL_G4', 'REPORT_OSN_AGR_FOR_GD', 'REPORT_PLAN_ZAMEN', 'REPORT_PLAN_OTVOD_TO',
           'REPORT_PLAN_OTVOD_TO_GOD', 'REPORT_PRODLENIE_OSN_AGREGATY', 'REPORT_NARABOTKA_PLANER',
           'REPORT_NARABOTKA_DVIGATEL', 'REPORT_NARABOTKA_REDUCTOR', 'REPORT_NARABOTKA_VSU', 'REPORT_PRODLENIE_AIREO',
           'REPORT_PRODLENIE_DUBLICAT', 'REPORT_SLG_OGR_RES', 'REPORT_SLG_KIP', 'REPORT_ACT_OTSEN_TS_P1',
           'REPORT_ACT_OTSEN_TS_P2', 'REPORT_UDOSHUM_ISH_INF', 'REPORT_SLG_PRIL_ZAIAVKA']
staging_choices = {
    'REPORT_PLAN_OTVOD_TO_GOD': [
        'The annual plan and the forecasts put every form to come of about a year in 7 (some 30 characters a form, '
        'a form every few days for an aircraft that flies much): 7 is VARCHAR(4000), the other columns VARCHAR(300) '
        '(one form with its date in 6 fits; a row of Firebird holds at most 64 KB, so only 7 is wide). A plan longer '
        'than 7 holds stops with a message naming the aircraft (the row is not cut).'],
    'REPORT_FORMA_36_GA': [
        'The form writes position 0 (the authority\'s name `Imia_UGA`), 1 (the operator) and 2 (`Adres_Predpr`), '
        'and its query orders by `Tip_VS, Nomer_VS`: the type head it writes at 9 and the board number at 10 are '
        'the columns that order can mean, so `TIP_VS` stands at 9 and `NOMER_VS` at 10.',
        'Position 0 is therefore a text column, and the row key `ID` (identity, filled by the database) stands at 6, '
        'which the form never writes (nor 21). Writers set position 0 with `StagingRow::set(0, ...)`.'],
    'REPORT_FORMA_37_GA': [
        'The form writes position 0 (`Imia_UGA`), 1 (the operator), 3 ("number of rows already in the staging table '
        'plus 1") and 18 (the board number or the store code), and its query orders by `ID, Gde_stoit`: `ID` is '
        'the running number the form writes at 3 (an INTEGER, so that 10 sorts after 9, and no identity) and '
        '`GDE_STOIT` stands at 18.',
        'Position 0 is a text column; writers set it with `StagingRow::set(0, ...)`.'],
}
for s in staging:
    c = {i: 'C%d:S' % i for i in range(1, 41)}
    for pos, name in staging_named.get(s, {}).items():
        c[pos] = name if isinstance(name, tuple) else (name, 'sort column of the table\'s query')
    table(s, c, staging_choices.get(s, ()))

TYPES = {'V': 'VARCHAR(100)', 'L': 'VARCHAR(500)', 'D': 'DATE', 'T': 'TIME', 'I': 'INTEGER', 'R': 'DOUBLE PRECISION',
         'S': 'VARCHAR(300)', 'W': 'VARCHAR(4000)', 'K': 'INTEGER GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY'}


def positions(cols):
    """The positions of a table: from 0 when its layout names position 0, else from 1 after the key ID."""
    return range(0 if 0 in cols else 1, max(cols) + 1)


# What the columns of common names hold, where a table does not say more.
COMMON = {'TIP_VS': 'aircraft type', 'GDE_STOIT': 'where installed: board number or a store word',
          'SKLAD_ARZ': 'store location', 'BORTOVOY_NOMER': 'board number', 'BORTOVOI_NOMER': 'board number',
          'ID_NAME': 'reference identifier', 'NAME': 'name', 'CHERT_NOMER': 'drawing number',
          'DUBLICAT': '"1" = the passport is a duplicate', 'NAIMENOVANIE': 'designation',
          'SOBSTVENNOST': 'owner code', 'TIP_VINTA': 'rotor ("Несущий", "Хвостовой", "Воздушный")'}


def column_at(cols, pos):
    name, t, meaning, readers = unpack(cols.get(pos, 'F%d' % pos))
    readers = ', '.join(dict.fromkeys(filter(None, (r.strip() for r in readers.split(',')))))
    return name, t, meaning or COMMON.get(name, ''), readers


out = ['-- Maintenance database of the planning module (Firebird 3, UTF8).',
       '-- Column order is part of the contract: reports read whole rows by position.', '']
for name, (cols, _) in T.items():
    lines = [] if 0 in cols else ['  ID %s' % TYPES['K']]
    for pos in positions(cols):
        cname, t, _, _ = column_at(cols, pos)
        lines.append('  %s %s' % (cname, TYPES[t]))
    if name.startswith('REPORT_'):
        # Staging rows belong to the connection that wrote them: each user's
        # report reads its own rows, kept until the next run or disconnect.
        out.append('CREATE GLOBAL TEMPORARY TABLE %s (\n%s\n) ON COMMIT PRESERVE ROWS;' % (name, ',\n'.join(lines)))
    else:
        out.append('CREATE TABLE %s (\n%s\n);' % (name, ',\n'.join(lines)))
idx = [('SPRAVKA', 'BORTOVOI_NOMER, DATA_POLETA'), ('SOSTOIANIE_PARKA', 'BORTOVOY_NOMER, DATA_STATUS'),
       ('REESTR', 'BORTOVOI_NOMER')]
for t in ['DVIGATEL', 'REDUCTOR', 'LOPAST', 'VTULKA_NV', 'HVOSTOVOY_VINT', 'VOZDUSHNY_VINT', 'LEBEDKA', 'ZCU', 'AGREGAT',
          'VSU', 'AGR_VSU', 'SHLANG']:
    idx.append((t, 'GDE_STOIT'))
for i, (t, c) in enumerate(idx):
    out.append('CREATE INDEX IX_%s_%d ON %s (%s);' % (t[:20], i, t, c))
# Flights by date across the fleet: the later flights of every aircraft after a
# report's date (ascending), and the latest flight on or before the date that
# every page heading names (descending, so the engine reads one key).
out.append('CREATE INDEX IX_SPRAVKA_DATE ON SPRAVKA (DATA_POLETA);')
out.append('CREATE DESCENDING INDEX IX_SPRAVKA_DATE_DESC ON SPRAVKA (DATA_POLETA);')
# Indexes added after databases were built with the ones above: src/data/Schema
# brings an existing database up to every index it lacks, and a kept benchmark
# fleet is stamped by the text before this line only, so new indexes go below.
out.append('-- Indexes added later: an existing database is brought up to them by name.')
# The information sheet's staging table, read by its row number (distinct
# within a sheet): in the order of an index instead of a sort of its wide rows.
out.append('CREATE INDEX IX_REPORT_PRODLENIE_OSN_NPP ON REPORT_PRODLENIE_OSN_AGREGATY (NOMER_PP);')
open(sys.argv[1], 'w').write('\n'.join(out) + '\n')

# The catalogue: every table with its columns by position, what they hold and which frames read them by position.
if len(sys.argv) > 2:
    doc = ['# Maintenance database: schema catalogue', '',
           'Generated with the DDL by `tools/schema_gen.py`; `src/data/schema.sql` is the schema itself.',
           'Reports read whole rows with `Select *` and take columns by position, so the order below is a contract.',
           'Columns named `F<n>` are the host system\'s other columns, kept so that the named positions hold.',
           '"Read by" names the reports, sheets and documents that take a column by its position from a whole row;',
           'a column with "-" is named in queries only. "Choices" record how a table\'s layout was settled where',
           'the frames describe a position differently.',
           'Staging tables (`REPORT_...`) hold text columns `C1`..`C40` unless a sort column is named; each report',
           'writes its own positions from 1 on, except forms 36-GA and 37-GA, which write position 0 too (their',
           'key stands elsewhere; see their choices). They are global temporary tables (ON COMMIT PRESERVE ROWS):',
           'every connection sees only the rows it wrote, which stay until it empties the table or disconnects',
           '(`tools/convert_staging.py` converts the staging tables of an older database).', '',
           'Types: running times ("H:MM") and flags compared as text are VARCHAR; dates DATE; the flight times of',
           '`SPRAVKA` TIME; counts, limits in whole hours, state codes and 0/1 flags read as numbers INTEGER;',
           'weights, balance figures and ground-running shares DOUBLE PRECISION.', '']
    for name, (cols, _) in T.items():
        if name.startswith('REPORT_') and name not in staging_named and name != 'REPORT_PROGNOZ' \
                and name not in staging_layout:
            continue
        if name in staging_layout:
            reader, meanings = staging_layout[name]
            doc.append('## %s' % name)
            doc.append('')
            doc.append('Staging table of the %s; the other columns stay empty.' % reader)
            doc.append('')
            doc.append('| pos | column | type | meaning | read by |')
            doc.append('|---|---|---|---|---|')
            for pos in sorted(meanings):
                cname, t, _, _ = column_at(cols, pos)
                doc.append('| %d | %s | %s | %s | %s |' % (pos, cname, TYPES[t], meanings[pos].replace('|', '\\|'), SLG))
            doc.append('')
            if name in CHOICES:
                doc.append('Choices:')
                doc.append('')
                doc.extend('- ' + c for c in CHOICES[name])
                doc.append('')
            continue
        doc.append('## %s' % name)
        doc.append('')
        doc.append('| pos | column | type | meaning | read by |')
        doc.append('|---|---|---|---|---|')
        if 0 not in cols:
            doc.append('| 0 | ID | INTEGER identity | row key, filled by the database | - |')
        for pos in positions(cols):
            cname, t, meaning, readers = column_at(cols, pos)
            if cname.startswith('F') and cname[1:].isdigit():
                continue
            ctype = 'INTEGER identity' if t == 'K' else TYPES[t]
            doc.append('| %d | %s | %s | %s | %s |' % (pos, cname, ctype, meaning, readers or '-'))
        doc.append('')
        if name in CHOICES:
            doc.append('Choices:')
            doc.append('')
            doc.extend('- ' + c for c in CHOICES[name])
            doc.append('')
    doc.append('The other staging tables: ' + ', '.join(
        '`%s`' % s for s in staging if s not in staging_named and s != 'REPORT_PROGNOZ' and s not in staging_layout) +
        ' — `ID`, then `C1`..`C40` VARCHAR(300).')
    open(sys.argv[2], 'w').write('\n'.join(doc) + '\n')

# Position constants for the code: one namespace per table, one constant per
# named column (plan::pos::reestr::NARABOTKA_PPR == 22), so that frames read
# whole rows by the names the catalogue gives instead of bare numbers.
if len(sys.argv) > 3:
    hdr = ['#pragma once', '// Generated by tools/schema_gen.py with src/data/schema.sql: the position of every',
           '// named column of the maintenance tables in a whole row read with "Select *".',
           '// Regenerate with: tools/schema_gen.py src/data/schema.sql docs/schema.md src/data/Positions.h',
           '', 'namespace plan::pos {', '']
    for name, (cols, _) in T.items():
        if name.startswith('REPORT_'):
            continue
        hdr.append('namespace %s {' % name.lower())
        hdr.append('constexpr int ID = 0;')
        seen = {'ID'}
        for pos in range(1, max(cols) + 1):
            cname = column_at(cols, pos)[0]
            if (cname.startswith('F') and cname[1:].isdigit()) or cname.upper() in seen:
                continue
            seen.add(cname.upper())
            hdr.append('constexpr int %s = %d;' % (cname.upper(), pos))
        hdr.append('} // namespace %s' % name.lower())
        hdr.append('')
    hdr.append('} // namespace plan::pos')
    open(sys.argv[3], 'w').write('\n'.join(hdr) + '\n')
