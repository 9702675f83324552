-- Fleet state of ЮТЭЙР (own aircraft: owner code ЮТС) on 10.06.2026.
-- Ми-8АМТ: RA-22051 state 0; RA-22052 state 0 removed on 10.06 itself;
--   RA-22053 state 1 leased; RA-22054 state 12 own; RA-22055 state 12 leased;
--   RA-22056 state 7; RA-22057 state 3 removed 11.06 (after the date);
--   RA-22058 state 4 removed 9.06 (before: nowhere); RA-22059 of another
--   operator (nowhere).
--   Total 6 (RA-22051, 53, 54, 55, 56, 57: the removal on the date is out).
--   State 0: 2 (the state-0 count alone keeps the removal on the date).
--   State 1: 1, state 3: 1, states 2, 4, 5, 6: "-". Own in state 12: 1
--   (RA-22055 is leased). Leased, any state: 2 (RA-22053, RA-22055). Above 6
--   and not 12: 1 (RA-22056).
-- Ка-32А11ВС: its only aircraft (state 0) was removed on 10.06: no total, so
--   no row, although the state-0 count alone would find it.
-- Ан-2: aircraft of another operator only: no row. "Ми-2 hide": hidden in
--   any letter case: no row.
INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('ЮТЭЙР', 'АО «ЮТэйр»', 0);
INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('СЕВЕР', 'ООО «Север»', 0);
INSERT INTO OBSHIE (EXPLUATANT, VLADELETS, FIO_IAS, DOLGNOST_IAS, NACH_PDO, PHONE_PDO, EMAIL_PREDPRIATIE, DOLGNOST_PDO) VALUES ('ЮТЭЙР', 'ЮТС', 'Иванов И.И.', 'Начальник ИАС', 'Петров П.П.', '49-00-00', 'office@ut.ru', 'Начальник ПДО');
INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('Ми-8АМТ');
INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('Ка-32А11ВС');
INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('Ан-2');
INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('Ми-2 hide');
INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, EXPLUATANT, SOBSTVENNOST, STATUS_TO, DATE_REESTR_VYVOD) VALUES ('Ми-8АМТ', 'RA-22051', 'ЮТЭЙР', 'ЮТС', 0, NULL);
INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, EXPLUATANT, SOBSTVENNOST, STATUS_TO, DATE_REESTR_VYVOD) VALUES ('Ми-8АМТ', 'RA-22052', 'ЮТЭЙР', 'ЮТС', 0, '2026-06-10');
INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, EXPLUATANT, SOBSTVENNOST, STATUS_TO, DATE_REESTR_VYVOD) VALUES ('Ми-8АМТ', 'RA-22053', 'ЮТЭЙР', 'ЛИЗ', 1, NULL);
INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, EXPLUATANT, SOBSTVENNOST, STATUS_TO, DATE_REESTR_VYVOD) VALUES ('Ми-8АМТ', 'RA-22054', 'ЮТЭЙР', 'ЮТС', 12, NULL);
INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, EXPLUATANT, SOBSTVENNOST, STATUS_TO, DATE_REESTR_VYVOD) VALUES ('Ми-8АМТ', 'RA-22055', 'ЮТЭЙР', 'ЛИЗ', 12, NULL);
INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, EXPLUATANT, SOBSTVENNOST, STATUS_TO, DATE_REESTR_VYVOD) VALUES ('Ми-8АМТ', 'RA-22056', 'ЮТЭЙР', 'ЮТС', 7, NULL);
INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, EXPLUATANT, SOBSTVENNOST, STATUS_TO, DATE_REESTR_VYVOD) VALUES ('Ми-8АМТ', 'RA-22057', 'ЮТЭЙР', 'ЮТС', 3, '2026-06-11');
INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, EXPLUATANT, SOBSTVENNOST, STATUS_TO, DATE_REESTR_VYVOD) VALUES ('Ми-8АМТ', 'RA-22058', 'ЮТЭЙР', 'ЮТС', 4, '2026-06-09');
INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, EXPLUATANT, SOBSTVENNOST, STATUS_TO, DATE_REESTR_VYVOD) VALUES ('Ми-8АМТ', 'RA-22059', 'СЕВЕР', 'ЮТС', 2, NULL);
INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, EXPLUATANT, SOBSTVENNOST, STATUS_TO, DATE_REESTR_VYVOD) VALUES ('Ка-32А11ВС', 'RA-31051', 'ЮТЭЙР', 'ЮТС', 0, '2026-06-10');
INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, EXPLUATANT, SOBSTVENNOST, STATUS_TO, DATE_REESTR_VYVOD) VALUES ('Ан-2', 'RA-40051', 'СЕВЕР', 'ЮТС', 0, NULL);
INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, EXPLUATANT, SOBSTVENNOST, STATUS_TO, DATE_REESTR_VYVOD) VALUES ('Ми-2 hide', 'RA-20051', 'ЮТЭЙР', 'ЮТС', 0, NULL);
