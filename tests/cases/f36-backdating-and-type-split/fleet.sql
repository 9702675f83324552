-- Form 36-GA as of 10.06.2026 for three ticked aircraft (RA-22023 is not
-- ticked); rows in type order: Ка-32А11ВС, Ми-8, Ми-8АМТ (numbers 1, 2, 3).
--
-- RA-22021 Ми-8АМТ (ground running counts, share 0.5): the flight of 10.06
--   is on the date and stays. After it: 11.06 0:50 + ground 0:05 (2.5 -> 3)
--   and 14.06 1:00 + ground 0:01 (0.5 -> 1): 114 minutes (rounding each
--   flight half up; the summed ground 6 x 0.5 = 3 would give 113, dropping
--   halves 110), 3 landings.
--   Since new 60053 - 114 = 59939 min -> 998 h (998.98 truncated; 113 would
--   give 999). Since overhaul 6173 - 114 = 6059 -> 100 h (113 would give 101);
--   left to overhaul 150 - 100 = 50. Landings 900 - 3 = 897, 100 - 3 = 97,
--   left 110 - 97 = 13. Head "Ми-8", suffix "АМТ"; variant "т" upper-cased is
--   "Т": "ГРУ". Calendar life "11.03": FunBookYear(12 x 11 = 132) -> "11г. 03м.".
-- RA-22022 Ми-8 (ground not counted, although a share is set): 12.06 0:30
--   airborne, 1:00 ground (ignored), 1 landing -> 240059 - 30 = 240029 min
--   = 4000 h (4000.48); landings 3000 - 1 = 2999. Never overhauled: "-" for
--   the overhaul date, hours and landings since overhaul; left to overhaul
--   1500 - 4000 < 0 -> "0". Type "Ми-8" alone: head "Ми-8", suffix "Т".
--   Variant "П": "ПРО". No assigned hours, calendar life or landing limits: "-".
-- RA-31021 Ка-32А11ВС of another operator: ticked, so listed (the operator
--   only gives the header). No flights: register totals 5000 h, 2000 h,
--   4000 and 600 landings. Left 1000 - 2000 -> "0", landings 500 - 600 -> "0".
--   Type written whole, no suffix. Blank variant: "ГРУ". State 4: "АРЗ".
--   Calendar life "3.06": FunBookYear(36) -> "3л. 06м.".
INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('ЮТЭЙР', 'АО «ЮТэйр»', 0);
INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('СЕВЕР', 'ООО «Север»', 0);
INSERT INTO OBSHIE (EXPLUATANT, FIO_IAS, DOLGNOST_IAS, NACH_PDO, PHONE_PDO, IMIA_UGA, ADRES_PREDPR, IMIA_36, ADRES_36, EMAIL_36GA, EMAIL_PREDPRIATIE) VALUES ('ЮТЭЙР', 'Иванов И.И.', 'Начальник ИАС', 'Петров П.П.', '49-00-00', 'Росавиация', 'г. Тюмень', 'ГосНИИ ГА', 'г. Москва', 'f36@ut.ru', 'office@ut.ru');
INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, UCHITYVAT_ZEMLU, KOL_VO_ZEMLIA_PLANER) VALUES ('Ми-8АМТ', '1', 0.5);
INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, UCHITYVAT_ZEMLU, KOL_VO_ZEMLIA_PLANER) VALUES ('Ми-8', '0', 0.5);
INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, UCHITYVAT_ZEMLU) VALUES ('Ка-32А11ВС', '0');
INSERT INTO REESTR (TIP_VS, VARIANT_VS, BORTOVOI_NOMER, ZAVODSKOI_NOMER, EXPLUATANT, DATA_IGOTOVLEN, REMONT_ZAVOD, REMONT_DATA, VSEGO_REMONTOV, RESURS_NAZN_CHASOV, RESURS_NAZN_LET, MEZHREM_CHASOV, POSADKI_SNE, POSADKI_PPR, STATUS_TO, MINUT_SNE, MINUT_PPR, RESURS_NAZN_POSADOK, MEZHREM_POSADOK) VALUES ('Ми-8АМТ', 'т', 'RA-22021', '95021', 'ЮТЭЙР', '2000-03-15', 'АРЗ-3', '2020-05-10', 1, 25000, '11.03', 150, 900, 100, 1, 60053, 6173, 5000, 110);
INSERT INTO REESTR (TIP_VS, VARIANT_VS, BORTOVOI_NOMER, ZAVODSKOI_NOMER, EXPLUATANT, DATA_IGOTOVLEN, REMONT_ZAVOD, REMONT_DATA, VSEGO_REMONTOV, RESURS_NAZN_CHASOV, RESURS_NAZN_LET, MEZHREM_CHASOV, POSADKI_SNE, POSADKI_PPR, STATUS_TO, MINUT_SNE, MINUT_PPR, RESURS_NAZN_POSADOK, MEZHREM_POSADOK) VALUES ('Ми-8', 'П', 'RA-22022', '95022', 'ЮТЭЙР', '1990-01-01', NULL, NULL, 0, NULL, NULL, 1500, 3000, 3000, 0, 240059, 240059, NULL, NULL);
INSERT INTO REESTR (TIP_VS, VARIANT_VS, BORTOVOI_NOMER, ZAVODSKOI_NOMER, EXPLUATANT, DATA_IGOTOVLEN, REMONT_ZAVOD, REMONT_DATA, VSEGO_REMONTOV, RESURS_NAZN_CHASOV, RESURS_NAZN_LET, MEZHREM_CHASOV, POSADKI_SNE, POSADKI_PPR, STATUS_TO, MINUT_SNE, MINUT_PPR, RESURS_NAZN_POSADOK, MEZHREM_POSADOK) VALUES ('Ка-32А11ВС', ' ', 'RA-31021', '8021', 'СЕВЕР', '1995-06-01', 'АРЗ-12', '2019-04-30', 2, 20000, '3.06', 1000, 4000, 600, 4, 300000, 120000, NULL, 500);
INSERT INTO REESTR (TIP_VS, VARIANT_VS, BORTOVOI_NOMER, ZAVODSKOI_NOMER, EXPLUATANT, DATA_IGOTOVLEN, REMONT_ZAVOD, REMONT_DATA, VSEGO_REMONTOV, RESURS_NAZN_CHASOV, RESURS_NAZN_LET, MEZHREM_CHASOV, POSADKI_SNE, POSADKI_PPR, STATUS_TO, MINUT_SNE, MINUT_PPR, RESURS_NAZN_POSADOK, MEZHREM_POSADOK) VALUES ('Ми-8АМТ', 'Т', 'RA-22023', '95023', 'ЮТЭЙР', '2001-01-01', NULL, NULL, 0, NULL, NULL, 2000, 1, 1, 0, 60, 60, NULL, NULL);
INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE, KOL_VO_POSADOK) VALUES ('Ми-8АМТ', 'RA-22021', '2026-06-10', '01:00', '00:10', 4);
INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE, KOL_VO_POSADOK) VALUES ('Ми-8АМТ', 'RA-22021', '2026-06-11', '00:50', '00:05', 2);
INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE, KOL_VO_POSADOK) VALUES ('Ми-8АМТ', 'RA-22021', '2026-06-14', '01:00', '00:01', 1);
INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE, KOL_VO_POSADOK) VALUES ('Ми-8', 'RA-22022', '2026-06-10', '02:00', '00:00', 5);
INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE, KOL_VO_POSADOK) VALUES ('Ми-8', 'RA-22022', '2026-06-12', '00:30', '01:00', 1);
