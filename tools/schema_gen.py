#!/usr/bin/env python3
"""Writes src/data/schema.sql from the position layout below.

Every table starts with ID (position 0). Positions not listed get filler
columns F<pos> so that every listed position holds its column. Types:
V = VARCHAR(100), L = VARCHAR(500), D = DATE, T = TIME, I = INTEGER,
R = DOUBLE PRECISION.
"""
import sys

T = {}
def table(name, cols, size=None):
    T[name] = (cols, size)

table('REESTR', {1:'TIP_VS',2:'VARIANT_VS',3:'BORTOVOI_NOMER',4:'ZAVODSKOI_NOMER',5:'EXPLUATANT',6:'DATA_IGOTOVLEN:D',
    7:'REMONT_ZAVOD',8:'REMONT_DATA:D',9:'VSEGO_REMONTOV:I',10:'SOBSTVENNOST',11:'SERTIFIKAT_LG',12:'DATA_UDOSNOVERENIE_DO:D',
    13:'CENTROVKA_PUSTOGO',14:'MASSA_PUSTOGO:R',15:'CENTROVKA_MAX',16:'RESURS_NAZN_CHASOV:I',17:'RESURS_NAZN_LET',
    18:'MEZHREM_CHASOV:I',19:'MEZHREM_LET',20:'NARABOTKA_SNE',21:'POSADKI_SNE:I',22:'NARABOTKA_PPR',23:'POSADKI_PPR:I',
    24:'DATE_REESTR_VVOD:D',25:'DATA_POSL_POLETA:D',26:'DATE_REESTR_VYVOD:D',27:'STATUS_TO:I',28:'DATA_FORMY:D',29:'DATA_F1:D',
    30:'MINUT_SNE:I',31:'MINUT_PPR:I',32:'DATA_STATUS:D',33:'INDEX_FORMY:I',34:'INDEX_F1:I',40:'UDOST_SHUM',41:'DATA_UDOST_SHUM:D',
    42:'ID_MESTO',60:'RESURS_NAZN_POSADOK:I',61:'MEZHREM_POSADOK:I',64:'UCHET_TO:I'})

def engine_like(model):
    return {1:'TIP_VS',2:model,3:'ZAVODSKOI_NOMER',4:'GDE_STOIT',5:'IZGOTOVLEN_DATA:D',6:'SOBSTVENNOST',7:'REMONT_ZAVOD',
        8:'REMONT_DATA:D',9:'VSEGO_REMONTOV:I',10:'DATA_KALENDAR:D',11:'NARABOTKA_SNE',12:'NARABOTKA_PPR',13:'TEKUSHEE_RASPOLOGENIE',
        14:'DO_PERVOGO_CHASOV:I',15:'DO_PERVOGO_LET',16:'MEZHREMONTNYI_CHASOV:I',17:'MEZHREMONTNYI_LET',18:'NAZNACHENNYI_CHASOV:I',
        19:'DATA_POSTUPLENIYA_V_PRED:D',20:'DUBLICAT',23:'ODIN_DVA',33:'ZVEZDA:I',46:'SVOI_FORMY:I',47:'DATA_FORMY:D',48:'INDEX_FORMY:I'}
table('DVIGATEL', engine_like('NAZVANIE_DVIGATELYA'))
red = engine_like('NAZVANIE_REDUCTORA'); red.update({21:'ID_NAME',22:'NAIMENOVANIE'})
table('REDUCTOR', red)
table('LOPAST', {1:'TIP_VS',2:'TIP_VINTA',3:'NAZVANIE',4:'ZAVODSKOY_NOMER',5:'GDE_STOIT',6:'IZGOTOVLEN_DATA:D',7:'SKLAD_ARZ',
    8:'DUBLICAT',9:'NARABOTKA_SNE',10:'RESURS_CHASOV:I',18:'NEPRERYVNO:I',19:'DATA_USTANOVKI:D',26:'NARABOTKA_PPR'})
table('HVOSTOVOY_VINT', {1:'TIP_VS',2:'NAZVANIE_VINT',3:'ZAVODSKOY_NOMER',4:'IZGOTOVLEN_DATA:D',5:'GDE_STOIT',6:'NAIMENOVANIE',
    7:'TIP_VINTA',8:'ZAVODSKOY_NOMER_VTULKA',9:'SKLAD_ARZ',10:'DUBLICAT',11:'REMONT_ZAVOD',12:'REMONT_DATA:D',13:'VSEGO_REMONTOV:I',
    14:'DATA_USTANOVKI:D',21:'MEZHREMONTNYI_CHASOV:I',25:'DO_PERVOGO_CHASOV:I',27:'NEPRERYVNO:I',29:'NARABOTKA_SNE',30:'NARABOTKA_PPR'})
table('VOZDUSHNY_VINT', {1:'TIP_VS',2:'NAZVANIE_VINTA',3:'ZAVODSKOY_NOMER',4:'TIP_VINTA',5:'GDE_STOIT',6:'SKLAD_ARZ',
    9:'IZGOTOVLEN_DATA:D',14:'REMONT_ZAVOD',15:'REMONT_DATA:D',16:'VSEGO_REMONTOV:I',19:'ODIN_DVA',21:'NAZNACHENNYI_CHASOV:I',
    23:'MEZHREMONTNYI_CHASOV:I',29:'NARABOTKA_SNE',30:'NARABOTKA_PPR',31:'DATA_USTANOVKI:D',47:'DO_PERVOGO_CHASOV:I'})
unit = {1:'TIP_VS',2:'NAZVANIE',3:'CHERT_NOMER',4:'ZAVODSKOY_NOMER',6:'IZGOTOVLEN_DATA:D',7:'NAIMENOVANIE',8:'REMONT_ZAVOD',
    9:'REMONT_DATA:D',10:'VSEGO_REMONTOV:I',11:'SYSTEMA',12:'MESTO_USTANOVKI',13:'TIP_OBORUDOVANIA',14:'MEZHREMONTNYI_CHASOV:I',
    15:'PRINADLEGNOST',16:'NUMER_DVIG_VSU',17:'NARABOTKA_SNE',18:'NARABOTKA_PPR',19:'PLAN_DVIG_VSU',20:'SKLAD_ARZ',21:'DUBLICAT',
    24:'ED_IZMERENIA',26:'DATA_USTANOVKI:D',27:'GDE_STOIT',28:'AGR_DVIGATELIA:I',34:'ID_NAME',39:'NEPRERYVNO:I',43:'DO_PERVOGO_CHASOV:I'}
table('AGREGAT', unit)
hub = dict(unit); hub.update({5:'TIP_VINTA',13:'SMAZKA',24:'ED_IZMERENIA',28:'F28',43:'F43',48:'DO_PERVOGO_CHASOV:I'})
del hub[28]; del hub[43]
table('VTULKA_NV', hub)
table('ZCU', {1:'TIP_VS',2:'GDE_STOIT',3:'ID_NAME',4:'NAIMENOVANIE',5:'SKLAD_ARZ',6:'ZAVOD_NOMER',8:'IZGOTOVLEN_DATA:D',
    9:'REMONT_DATA:D',16:'NEPRERYVNO:I',17:'DATA_USTANOVKI:D',19:'VSEGO_REMONTOV:I',20:'MEZHREMONTNYI_CHASOV:I',21:'NARABOTKA_SNE',
    22:'NARABOTKA_PPR',27:'DO_PERVOGO_CHASOV:I'})
table('LEBEDKA', {1:'TIP_VS',2:'NAZVANIE_LEBEDKA',3:'ZAVODSKOY_NOMER_LEBEDKA',4:'GDE_STOIT',5:'SKLAD_ARZ',8:'IZGOTOVLEN_DATA:D',
    11:'REMONT_ZAVOD',12:'REMONT_DATA:D',13:'VSEGO_REMONTOV:I',14:'DATA_USTANOVKI:D',21:'MEZHREMONTNYI_CHASOV:I',25:'NEPRERYVNO:I',
    27:'NARABOTKA_SNE',28:'NARABOTKA_PPR',36:'DO_PERVOGO_CHASOV:I'})
table('VSU', {1:'TIP_VS',2:'NAZVANIE',3:'NAIMENOVANIE',4:'ID_NAME',5:'ZAVODSKOY_NOMER',6:'GDE_STOIT',7:'MESTO_USTANOVKI',
    8:'IZGOTOVLEN_DATA:D',9:'REMONT_ZAVOD',10:'REMONT_DATA:D',11:'VSEGO_REMONTOV:I',12:'DATA_POSTUPLENIA:D',
    13:'OBSHAIA_SNE',14:'OBSHAIA_PPR',15:'OBSHAIA_MEGREMONTNY:I',16:'OBSHAIA_DO_PERVOGO:I',17:'SUMMA_SNE',18:'SUMMA_PPR',
    19:'SUMMA_MEGREM:I',20:'SUMMA_DO_PERVOGO:I',21:'ZAPUSKI_SNE:I',22:'ZAPUSKI_PPR:I',23:'ZAPUSKI_MEGREMONTNY:I',24:'OTBORY_SNE:I',
    25:'OTBORY_PPR:I',26:'OTBORY_MEGREMONTNY:I',27:'GENERATORNY_SNE',28:'GENERATORNY_PPR',29:'GENERAT_MEZHREMONTNY:I',30:'SKLAD_ARZ'})
table('AGR_VSU', {1:'TIP_VS',2:'GDE_STOIT',3:'NAZVANIE',4:'ZAVODSKOY_NOMER',5:'ID_NAME',6:'DATA_USTANOVKI:D',7:'NARABOTKA_SNE',8:'SKLAD_ARZ'})
table('SHLANG', {1:'TIP_VS',2:'GDE_STOIT',3:'SYSTEMA',4:'NAZVANIE',5:'CHERT_NOMER',6:'ZAVODSKOY_NOMER',7:'VID_UCHETA',
    8:'DATA_VYPUSKA_RUKAVA:D',9:'UCHET_OT_DATY_UST:I',10:'DATA_USTANOVKI:D',11:'NARABOTKA_SNE',12:'SKLAD_ARZ',13:'RESURS'})
table('SPRAVKA', {1:'TIP_VS',2:'BORTOVOI_NOMER',3:'NA_ZEMLE:T',4:'DATA_POLETA:D',5:'KOL_VO_POSADOK:I',6:'V_VOZDUHE:T',
    7:'V_VOZDUHE_1:T',8:'NA_ZEMLE_1:T',9:'V_VOZDUHE_2:T',10:'NA_ZEMLE_2:T',11:'V_VOZDUHE_3:T',12:'NA_ZEMLE_3:T',
    13:'V_VOZDUHE_RED:T',14:'NA_ZEMLE_RED:T',15:'VSU_POLNOE_VREMYA:T',16:'VSU_V_GENERATORNOM:T',17:'VSU_KOL_VO_ZAPUSKOV:I',
    18:'VSU_KOL_VO_OTBOROV:I'})
table('SOSTOIANIE_PARKA', {1:'TIP_VS',2:'BORTOVOY_NOMER',3:'DATA_STATUS:D',4:'KOD_STATUS:I',5:'PRIMECHANIE'})
table('DVIGENIE_V_EKSPLUATACII', {1:'DATA_PEREVODA:D',2:'OTKUDA',3:'KUDA',4:'SOBSTVENNOST',5:'NAIMENOVANIE',6:'VSU'})
table('OBSHIE', {1:'EXPLUATANT',2:'VLADELETS',3:'FIO_IAS',4:'DOLGNOST_IAS',5:'IMIA_DVIGATEL_37',6:'IMIA_REDUCTOR_37',
    7:'NOMER_SVIDELSTVA',8:'NAME_UGA_PASR',9:'NAME_APSC',11:'NACH_PDO',13:'PHONE_PDO',14:'EMAIL_36GA',19:'EMAIL_PREDPRIATIE',
    25:'FIO_RUKOVODITEL',26:'DOLGNOST_RUKOVODITEL'})
table('EXPLUATANTY', {1:'ID_NAME',2:'NAME:L',3:'HIDE:I'})
table('SOBSTVENNIKI', {1:'ID_NAME',2:'NAME:L',3:'HIDE:I'})
table('LIZING', {1:'BORTOVOI_NOMER',2:'LIZINGODATEL',3:'NOMER_DOGOVORA',4:'DATA_DOGOVORA:D'})
table('RASPOLOGENIA', {1:'ID_MESTO',2:'NAME'})
table('USERS', {1:'FAMILIA',2:'TIP_VS'})
kinds = ['DVIGATEL','REDUCTOR','LOPASTY','AGREGATY','SHLANG','ZCU','AGR_DVIG','VOZDUSHNY_VINT']
td = {1:'TIP_VS',2:'KOD_VS',3:'ODIN_DVA',4:'PTO_DVIG_SEPAR',5:'KOL_VO_DVIGATEL:I',6:'KOL_VO_LOPAST_NES:I',7:'KOL_VO_VSU:I',
      8:'COL_VO_VOZDUSHNY_VINT:I',9:'UCHITYVAT_ZEMLU',10:'KOL_VO_ZEMLIA_PLANER:R'}
p = 11
for k in kinds:
    td[p] = 'ZEMLIA_' + k; td[p+1] = 'KOL_VO_ZEMLIA_' + k + ':R'; p += 2
table('TIPOVYE_DANNYE_VS', td)
eta = {1:'TIP_VS',2:'CHERT_NOMER',3:'NAZVANIE',4:'NAIMENOVANIE',5:'PRINADLEGNOST',6:'KOL_VO:I',7:'IND_UCHET:I',8:'ED_IZMARENIA',
       14:'NAME',15:'MESTO_USTANOVKI',17:'SYSTEMA',20:'ID_NAME',21:'RESURS'}
table('ETAAGREGAT', eta)
table('ETA_VTULKA_NV', dict(eta))
table('ETA_ZCU', {1:'TIP_VS',2:'NAME',3:'CHERT_NOMER',4:'ID_NAME'})
for n, extra in [('ETAPLANER', {}), ('ETADVIG', {5:'NAZVANIE_DVIGATELIA'}), ('ETAREDUCTOR', {5:'NAZVANIE_REDUCTORA'}),
                 ('ETALOPAST', {5:'TIP_VINTA',6:'NAZVANIE'}), ('ETA_HVOST_VINT', {5:'NAZVANIE_VINTA'}),
                 ('ETA_VOZD_VINT', {5:'TIP_VINTA',6:'NAZVANIE_VINTA'}), ('ETA_LEBEDKA', {5:'CHERT_NOMER_LEBEDKA'}),
                 ('ETA_AGR_VSU', {5:'ID_NAME_VSU'}), ('ETAVSU', {5:'NAZVANIE'}), ('ETASHLANG', {})]:
    c = {1:'TIP_VS',2:'ID_NAME',3:'NAME',4:'CHERT_NOMER'}; c.update(extra); table(n, c)
pto = {1:'TIP_VS',2:'VREMIA_F1:I',3:'VREMIA_FORMA:I',4:'CASE1:I',5:'KOL_VO_FORM:I'}
for i in range(20): pto[6+i] = 'FORMA_%d' % (i+1)
table('PTO_FORMY', pto)
table('PTO_FORMY_DVIG', {1:'TIP_VS',2:'DVIGATEL',3:'VREMIA_FORMA:I',4:'NAME_FORMY'})
table('VYPOLNENNYE_FORMY', {1:'TIP_VS',2:'BORTOVOY_NOMER',3:'DATA_TO:D',4:'NAME_FORMY',5:'NARABOTKA'})
table('SEZONNOE_TO', {1:'TIP_VS',2:'BORTOVOY_NOMER',3:'DATA_TO:D',4:'VID_TO'})
table('TO_AKB', {1:'TIP_VS',2:'BORTOVOY_NOMER',3:'DATA_TO:D',4:'ZAVODSKOY_NOMER'})
table('TUNE_REPORTS', {1:'TIP_VS',2:'TIP_REPORT',3:'NAME_REPORT:L',4:'NUMBER_LINE:I',5:'NAZVANIE:L',6:'CHERT_NOMER:L',
    7:'TIP_AGREGATA',8:'SYSTEMA',9:'ID_ETALON',10:'SVODNY_PASPORT',11:'KOL_VO_NA_VS',12:'MESTA_USTANOVKI'})
table('TUNE_DOCS', {1:'NAME_REPORT:L',2:'NUMBER_LINE:I',3:'NAZVANIE:L',4:'CHERT_NOMER:L',5:'TIP_AGREGATA',6:'ID_ETALON'})

# Staging tables: text columns by position; the named ones hold the columns their queries sort on.
staging_named = {
    'REPORT_FORMA_36_GA': {1:'TIP_VS',2:'NOMER_VS'},
    'REPORT_FORMA_37_GA': {1:'GDE_STOIT'},
    'REPORT_PRODLENIE_OSN_AGREGATY': {1:'NOMER_PP:I'}, 'REPORT_PRODLENIE_AIREO': {1:'NOMER_PP:I'},
    'REPORT_PRODLENIE_DUBLICAT': {1:'NOMER_PP:I'}, 'REPORT_SLG_OGR_RES': {1:'NOMER_PP:I'},
}
staging = ['REPORT_PROGNOZ','REPORT_FORMA_36_GA','REPORT_FORMA_37_GA','REPORT_SOST_PARKA_VS','REPORT_FORMA_8_OASU',
    'REPORT_FORMA_34_GA','REPORT_LIZING_MONTH_P1','REPORT_LIZING_PTO','REPORT_LIZING_MONTH_P2','REPORT_LIZING_PSB_P1',
    'REPORT_LIZING_PSB_P2','REPORT_LIZING_PSB_P3','REPORT_LIZING_PSB_MONTH','REPORT_AGR_UST_ZA_PER','REPORT_ZAMENY_KVARTAL',
    'REPORT_FORMA_OTCHET_PMTU','REPORT_PASR_PRIL_1','REPORT_PASR_PRIL_3','REPORT_TV2_117_UZGA','REPORT_SPRAVKA_OSIL',
    'REPORT_OSIL_G3','REPORT_SPRAVKA_OTIZ','REPORT_VES_TCENTROVKA','REPORT_DATE_SLG_I_SHUM','REPORT_SOST_PARK_VS',
    'REPORT_SOST_PARK_VST2','REPORT_OSIL_G4','REPORT_OSN_AGR_FOR_GD','REPORT_PLAN_ZAMEN','REPORT_PLAN_OTVOD_TO',
    'REPORT_PLAN_OTVOD_TO_GOD','REPORT_PRODLENIE_OSN_AGREGATY','REPORT_NARABOTKA_PLANER','REPORT_NARABOTKA_DVIGATEL',
    'REPORT_NARABOTKA_REDUCTOR','REPORT_NARABOTKA_VSU','REPORT_PRODLENIE_AIREO','REPORT_PRODLENIE_DUBLICAT',
    'REPORT_SLG_OGR_RES','REPORT_SLG_KIP','REPORT_ACT_OTSEN_TS_P1','REPORT_ACT_OTSEN_TS_P2','REPORT_UDOSHUM_ISH_INF',
    'REPORT_SLG_PRIL_ZAIAVKA']
for s in staging:
    c = {i: 'C%d:S' % i for i in range(1, 41)}
    for pos, name in staging_named.get(s, {}).items(): c[pos] = name
    table(s, c)

TYPES = {'V':'VARCHAR(100)','L':'VARCHAR(500)','D':'DATE','T':'TIME','I':'INTEGER','R':'DOUBLE PRECISION','S':'VARCHAR(300)'}
out = ['-- Maintenance database of the planning module (Firebird 3, UTF8).',
       '-- Column order is part of the contract: reports read whole rows by position.', '']
for name, (cols, _) in T.items():
    n = max(cols)
    lines = ['  ID INTEGER GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY']
    for pos in range(1, n + 1):
        column_def = cols.get(pos, 'F%d' % pos)
        cname, _, t = column_def.partition(':')
        lines.append('  %s %s' % (cname, TYPES[t or 'V']))
    out.append('CREATE TABLE %s (\n%s\n);' % (name, ',\n'.join(lines)))
idx = [('SPRAVKA', 'BORTOVOI_NOMER, DATA_POLETA'), ('SOSTOIANIE_PARKA', 'BORTOVOY_NOMER, DATA_STATUS'), ('REESTR', 'BORTOVOI_NOMER')]
for t in ['DVIGATEL','REDUCTOR','LOPAST','VTULKA_NV','HVOSTOVOY_VINT','VOZDUSHNY_VINT','LEBEDKA','ZCU','AGREGAT','VSU','AGR_VSU','SHLANG']:
    idx.append((t, 'GDE_STOIT'))
for i, (t, c) in enumerate(idx):
    out.append('CREATE INDEX IX_%s_%d ON %s (%s);' % (t[:20], i, t, c))
open(sys.argv[1], 'w').write('\n'.join(out) + '\n')

# The catalogue: every table with its columns by position.
if len(sys.argv) > 2:
    doc = ['# Maintenance database: schema catalogue', '',
           'Generated with the DDL by `tools/schema_gen.py`; `src/data/schema.sql` is the schema itself.',
           'Reports read whole rows with `Select *` and take columns by position, so the order below is a contract.',
           'Columns named `F<n>` are the host system\'s other columns, kept so that the named positions hold.',
           'Staging tables (`REPORT_...`) hold text columns `C1`..`C40` unless a sort column is named; each report',
           'writes its own positions from 1 on.', '',
           'Types: running times ("H:MM") and flags compared as text are VARCHAR; dates DATE; the flight times of',
           '`SPRAVKA` TIME; counts, limits in whole hours, state codes and 0/1 flags read as numbers INTEGER;',
           'weights and ground-running shares DOUBLE PRECISION.', '']
    for name, (cols, _) in T.items():
        if name.startswith('REPORT_') and name not in staging_named and name != 'REPORT_PROGNOZ':
            continue
        doc.append('## %s' % name)
        doc.append('')
        doc.append('| pos | column | type |')
        doc.append('|---|---|---|')
        doc.append('| 0 | ID | INTEGER identity |')
        for pos in range(1, max(cols) + 1):
            column_def = cols.get(pos, 'F%d' % pos)
            cname, _, t = column_def.partition(':')
            if cname.startswith('F') and cname[1:].isdigit():
                continue
            doc.append('| %d | %s | %s |' % (pos, cname, TYPES[t or 'V']))
        doc.append('')
    doc.append('The other staging tables: ' + ', '.join('`%s`' % s for s in staging if s not in staging_named and s != 'REPORT_PROGNOZ') + ' — `ID`, then `C1`..`C40` VARCHAR(300).')
    open(sys.argv[2], 'w').write('\n'.join(doc) + '\n')
