-- Units installed on RA-22071 from 01.01.2026 to 10.06.2026. Its last
-- overhaul (register date 1.03.2026) moves the start to 1.03.2026, so the
-- pump installed on 28.02 is left out (it would be in from 1.01).
-- Rows, kinds in their fixed order, within a kind by installation date, then ID:
--  airframe units: 1.03 generator (start day: in; its reference name already
--   holds its drawing number, so no designation); 1.04 pump (reference name
--   and drawing number; entered after the valve, listed before it by date);
--   10.06 valve (stop day: in; no reference row: its own name and drawing
--   number). 11.06 (after the stop) and a unit of RA-22072 are left out.
--  engine units: 15.03 sensor, after all airframe units although earlier.
--  main-rotor blade 1.05: "Лопасть НВ ", serial 12_345 written "12 345".
--  tail-rotor hub 20.04: "Винт рулевой" and its name.
--  tail-rotor blade 2.05: "Лопасти РВ ", serial 12_345 kept as it is.
-- Column 4 is the first engine of the aircraft; column 5 today (15.06.2026).
-- The operator data come from the OBSHIE row whose EXPLUATANT is the index
-- of the chosen operator in the list, "0" (not the operator code ЮТЭЙР).
INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('ЮТЭЙР', 'АО «ЮТэйр»', 0);
INSERT INTO OBSHIE (EXPLUATANT, NACH_PDO, DOLGNOST_PDO) VALUES ('ЮТЭЙР', 'Сидоров С.С.', 'Инженер');
INSERT INTO OBSHIE (EXPLUATANT, NACH_PDO, DOLGNOST_PDO) VALUES ('0', 'Петров П.П.', 'Начальник ПДО');
INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('Ми-8АМТ');
INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, ZAVODSKOI_NOMER, EXPLUATANT, REMONT_DATA) VALUES ('Ми-8АМТ', 'RA-22071', '95071', 'ЮТЭЙР', '2026-03-01');
INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, ZAVODSKOI_NOMER, EXPLUATANT, REMONT_DATA) VALUES ('Ми-8АМТ', 'RA-22072', '95072', 'ЮТЭЙР', '2020-01-01');
INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, GDE_STOIT) VALUES ('Ми-8АМТ', 'ТВ3-117ВМ', 'E71', 'RA-22071');
INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, GDE_STOIT) VALUES ('Ми-8АМТ', 'ТВ3-117ВМА', 'E72', 'RA-22071');
INSERT INTO ETAAGREGAT (TIP_VS, CHERT_NOMER, NAME, ID_NAME) VALUES ('Ми-8АМТ', '8АМТ-0001', 'Генератор ГС-18МО 8АМТ-0001', 5);
INSERT INTO ETAAGREGAT (TIP_VS, CHERT_NOMER, NAME, ID_NAME) VALUES ('Ми-8АМТ', '8АМТ-0002', 'Насос', 6);
INSERT INTO ETAAGREGAT (TIP_VS, CHERT_NOMER, NAME, ID_NAME) VALUES ('Ми-8АМТ', 'Д-1', 'Датчик', 7);
INSERT INTO AGREGAT (TIP_VS, NAZVANIE, CHERT_NOMER, ZAVODSKOY_NOMER, PLAN_DVIG_VSU, DATA_USTANOVKI, GDE_STOIT, ID_NAME) VALUES ('Ми-8АМТ', 'Генератор', 'Г-0', 'U1', 0, '2026-03-01', 'RA-22071', 5);
INSERT INTO AGREGAT (TIP_VS, NAZVANIE, CHERT_NOMER, ZAVODSKOY_NOMER, PLAN_DVIG_VSU, DATA_USTANOVKI, GDE_STOIT, ID_NAME) VALUES ('Ми-8АМТ', 'Насос', 'Н-0', 'U2', 0, '2026-02-28', 'RA-22071', 6);
INSERT INTO AGREGAT (TIP_VS, NAZVANIE, CHERT_NOMER, ZAVODSKOY_NOMER, PLAN_DVIG_VSU, DATA_USTANOVKI, GDE_STOIT, ID_NAME) VALUES ('Ми-8АМТ', 'Клапан', 'КЛ-1', 'U3', 0, '2026-06-10', 'RA-22071', 99);
INSERT INTO AGREGAT (TIP_VS, NAZVANIE, CHERT_NOMER, ZAVODSKOY_NOMER, PLAN_DVIG_VSU, DATA_USTANOVKI, GDE_STOIT, ID_NAME) VALUES ('Ми-8АМТ', 'Насос', 'Н-0', 'U4', 0, '2026-04-01', 'RA-22071', 6);
INSERT INTO AGREGAT (TIP_VS, NAZVANIE, CHERT_NOMER, ZAVODSKOY_NOMER, PLAN_DVIG_VSU, DATA_USTANOVKI, GDE_STOIT, ID_NAME) VALUES ('Ми-8АМТ', 'Датчик', 'Д-0', 'U5', 1, '2026-03-15', 'RA-22071', 7);
INSERT INTO AGREGAT (TIP_VS, NAZVANIE, CHERT_NOMER, ZAVODSKOY_NOMER, PLAN_DVIG_VSU, DATA_USTANOVKI, GDE_STOIT, ID_NAME) VALUES ('Ми-8АМТ', 'Насос', 'Н-0', 'U6', 0, '2026-04-01', 'RA-22072', 6);
INSERT INTO AGREGAT (TIP_VS, NAZVANIE, CHERT_NOMER, ZAVODSKOY_NOMER, PLAN_DVIG_VSU, DATA_USTANOVKI, GDE_STOIT, ID_NAME) VALUES ('Ми-8АМТ', 'Насос', 'Н-0', 'U7', 0, '2026-06-11', 'RA-22071', 6);
INSERT INTO LOPAST (TIP_VS, TIP_VINTA, NAZVANIE, ZAVODSKOY_NOMER, GDE_STOIT, DATA_USTANOVKI) VALUES ('Ми-8АМТ', 'Несущий', '8АТ-2710-00', '12_345', 'RA-22071', '2026-05-01');
INSERT INTO LOPAST (TIP_VS, TIP_VINTA, NAZVANIE, ZAVODSKOY_NOMER, GDE_STOIT, DATA_USTANOVKI) VALUES ('Ми-8АМТ', 'Хвостовой', '246-3904-000', '12_345', 'RA-22071', '2026-05-02');
INSERT INTO HVOSTOVOY_VINT (TIP_VS, NAZVANIE_VINT, ZAVODSKOY_NOMER, GDE_STOIT, DATA_USTANOVKI) VALUES ('Ми-8АМТ', '246-3925-00', 'H1', 'RA-22071', '2026-04-20');
