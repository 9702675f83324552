-- Plan of withdrawal for maintenance, clock at 15.06.2026: the flying average
-- is taken over 16.05-15.06.2026 and divided by 30. Every listed aircraft is
-- ticked at start; RA-22084 (state 4) is not listed.
-- RA-22081 Ми-8АМТ (F1 50 h halfway between 100 h forms; ground counts at
--   0.5): flights 16.05 10:00 (first day of the window: in), 1.06 5:00 with
--   0:03 ground (1.5 -> 2, halves away from zero); 15.05 is outside. 902 min
--   / 30 = 30.067 a day. Last forms: periodic index 2 = F1 index 2, so the
--   last form is the periodic one: column 2x2+6 "Ф-2" done 1.04.2026, next
--   column 2x2+7 "Ф1-в". Since overhaul 229:58: next form at 300 h leaves
--   70:02 = 4202 min, the F1 at 2x100+50 = 250 h leaves 20:02 = 1202 min;
--   the smaller, 1202 min, / 30.067 = 39.98 -> 39 days -> 24.07.2026 (without
--   the ground share, or with it truncated, 40 days; with the form's 4202
--   minutes, 139).
-- RA-22082 Ми-8АМТ: last flight 10.05, none in the window: 15.07.2026 (today
--   plus a month) whatever its remainders. Its last form is an F1 (index 2,
--   periodic index 1): last column 2x2+5 "Ф1-б" done 20.02.2026 (the F1
--   date), next column 2x2+6 "Ф-2".
-- RA-22083 Ми-8 (F1 50 h, forms 150 h: not halfway, F1 plays no part; no
--   ground count): last form index 1, column 1+6 "Ф-Б" done 5.05.2026, next
--   column 1+7 "Ф-В". At 310:00 since overhaul the form due at 300 h is
--   overdue ("+10:00" counts 0 minutes): it flew on 14.06, so withdrawal
--   today, 15.06.2026.
INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('ЮТЭЙР', 'АО «ЮТэйр»', 0);
INSERT INTO OBSHIE (EXPLUATANT, NACH_PDO, DOLGNOST_PDO) VALUES ('ЮТЭЙР', 'Петров П.П.', 'Начальник ПДО');
INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, UCHITYVAT_ZEMLU, KOL_VO_ZEMLIA_PLANER) VALUES ('Ми-8АМТ', '1', 0.5);
INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, UCHITYVAT_ZEMLU, KOL_VO_ZEMLIA_PLANER) VALUES ('Ми-8', '0', 0.5);
INSERT INTO PTO_FORMY (TIP_VS, VREMIA_F1, VREMIA_FORMA, KOL_VO_FORM, FORMA_1, FORMA_2, FORMA_3, FORMA_4, FORMA_5, FORMA_6, FORMA_7, FORMA_8) VALUES ('Ми-8АМТ', 50, 100, 4, 'Ф-0', 'Ф1-а', 'Ф-1', 'Ф1-б', 'Ф-2', 'Ф1-в', 'Ф-3', 'Ф1-г');
INSERT INTO PTO_FORMY (TIP_VS, VREMIA_F1, VREMIA_FORMA, KOL_VO_FORM, FORMA_1, FORMA_2, FORMA_3, FORMA_4) VALUES ('Ми-8', 50, 150, 3, 'Ф-А', 'Ф-Б', 'Ф-В', 'Ф-Г');
INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, EXPLUATANT, NARABOTKA_PPR, DATA_FORMY, DATA_F1, INDEX_FORMY, INDEX_F1, STATUS_TO, UCHET_TO) VALUES ('Ми-8АМТ', 'RA-22081', 'ЮТЭЙР', '229:58', '2026-04-01', '2026-03-01', 2, 2, 0, 1);
INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, EXPLUATANT, NARABOTKA_PPR, DATA_FORMY, DATA_F1, INDEX_FORMY, INDEX_F1, STATUS_TO, UCHET_TO) VALUES ('Ми-8АМТ', 'RA-22082', 'ЮТЭЙР', '120:00', '2026-01-10', '2026-02-20', 1, 2, 1, 1);
INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, EXPLUATANT, NARABOTKA_PPR, DATA_FORMY, DATA_F1, INDEX_FORMY, INDEX_F1, STATUS_TO, UCHET_TO) VALUES ('Ми-8', 'RA-22083', 'ЮТЭЙР', '310:00', '2026-05-05', NULL, 1, NULL, 0, 1);
INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, EXPLUATANT, NARABOTKA_PPR, DATA_FORMY, DATA_F1, INDEX_FORMY, INDEX_F1, STATUS_TO, UCHET_TO) VALUES ('Ми-8', 'RA-22084', 'ЮТЭЙР', '10:00', '2026-05-05', NULL, 1, NULL, 4, 1);
INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE) VALUES ('Ми-8АМТ', 'RA-22081', '2026-05-15', '10:00', '00:00');
INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE) VALUES ('Ми-8АМТ', 'RA-22081', '2026-05-16', '10:00', '00:00');
INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE) VALUES ('Ми-8АМТ', 'RA-22081', '2026-06-01', '05:00', '00:03');
INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE) VALUES ('Ми-8АМТ', 'RA-22082', '2026-05-10', '03:00', '00:00');
INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE) VALUES ('Ми-8', 'RA-22083', '2026-06-14', '01:00', '00:00');
